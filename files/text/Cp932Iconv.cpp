#include "files/text/Cp932Iconv.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace yorozu::cp932::detail {

namespace {

// Always "CP932": glibc's "SHIFT_JIS" is plain JIS X 0208 and lacks the NEC
// and IBM rows. No "//IGNORE" or "//TRANSLIT": every failure must come back
// to us so that nothing is dropped or replaced without a word.
constexpr const char* kCodePage = "CP932";

class Descriptor {
public:
    Descriptor(const char* to, const char* from)
        : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Descriptor() { iconv_close(cd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    Stop convert(std::string_view& input, std::string& out, std::size_t growth)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (true) {
            const std::size_t used = out.size();
            out.resize(used + input.size() * growth + 16);
            char* src = const_cast<char*>(input.data());
            std::size_t srcLeft = input.size();
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int err = errno;
            out.resize(out.size() - dstLeft);
            input.remove_prefix(input.size() - srcLeft);
            if (r != static_cast<std::size_t>(-1))
                return Stop::done;
            if (err == E2BIG)
                continue;
            return err == EINVAL ? Stop::incomplete : Stop::invalid;
        }
    }

private:
    iconv_t cd_;
};

Descriptor& decoder()
{
    thread_local Descriptor d("UTF-8", kCodePage);
    return d;
}

Descriptor& encoder()
{
    thread_local Descriptor d(kCodePage, "UTF-8");
    return d;
}

} // namespace

// A code page 932 byte becomes at most 3 UTF-8 bytes; UTF-8 never grows.
Stop decodeChunk(std::string_view& input, std::string& out)
{
    return decoder().convert(input, out, 3);
}

Stop encodeChunk(std::string_view& input, std::string& out)
{
    return encoder().convert(input, out, 1);
}

} // namespace yorozu::cp932::detail
