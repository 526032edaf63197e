#include "ui/support/UrlRecorder.h"

#include <QDesktopServices>

namespace yorozu::test {

namespace {
const char* const kSchemes[] = {"file", "http", "https"};
}

UrlRecorder::UrlRecorder()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

} // namespace yorozu::test
