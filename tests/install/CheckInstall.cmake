# Installs the build into a scratch DESTDIR with `cmake --install` and checks
# what the desktop and the program rely on: the programs in their own folder
# with the marker of an installed copy, working links in bin, the manual with
# its pictures, and a desktop entry that hands ".qte" files to the program
# under the MIME type the shared-mime-info file declares.
# Run as: cmake -DBUILD_DIR=... -DSCRATCH=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${SCRATCH} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(root ${SCRATCH}/usr)

function(expect_file path)
  if(NOT EXISTS ${root}/${path})
    message(SEND_ERROR "missing after install: /usr/${path}")
  endif()
endfunction()

foreach(f lib/yorozu/yorozu lib/yorozu/yorozu-cli lib/yorozu/SITE-DEFAULTS.txt lib/yorozu/Rakumi_MAN.htm
          share/applications/yorozu.desktop share/icons/hicolor/scalable/apps/yorozu.svg
          share/mime/packages/yorozu.xml)
  expect_file(${f})
endforeach()

# The manual's pictures are all there.
file(READ ${root}/lib/yorozu/Rakumi_MAN.htm manual)
string(REGEX MATCHALL "src=\"[^\"]+\"" pictures "${manual}")
if(NOT pictures)
  message(SEND_ERROR "the manual shows no pictures")
endif()
foreach(p ${pictures})
  string(REGEX REPLACE "src=\"([^\"]+)\"" "\\1" p "${p}")
  expect_file(lib/yorozu/${p})
endforeach()

# The links in bin are relative and reach the programs inside the DESTDIR.
foreach(p yorozu yorozu-cli)
  if(NOT IS_SYMLINK ${root}/bin/${p})
    message(SEND_ERROR "/usr/bin/${p} is not a link")
  endif()
  file(READ_SYMLINK ${root}/bin/${p} target)
  if(IS_ABSOLUTE "${target}" OR NOT EXISTS ${root}/bin/${target})
    message(SEND_ERROR "/usr/bin/${p} -> ${target} does not reach the program")
  endif()
endforeach()

# The desktop entry opens the file it is given, under the declared MIME type.
file(READ ${root}/share/applications/yorozu.desktop entry)
file(READ ${root}/share/mime/packages/yorozu.xml mime)
string(REGEX MATCH "mime-type type=\"([^\"]+)\"" _ "${mime}")
set(type ${CMAKE_MATCH_1})
if(NOT mime MATCHES "<glob pattern=\"\\*\\.qte\"/>")
  message(SEND_ERROR "the MIME type does not claim *.qte")
endif()
foreach(want "Exec=yorozu %f" "MimeType=${type};" "Icon=yorozu" "Type=Application")
  string(FIND "${entry}" "\n${want}\n" found)
  if(found EQUAL -1)
    message(SEND_ERROR "desktop entry lacks \"${want}\"")
  endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH})
