#include "cli/TerminalTextStream.h"

#include "cli/TerminalText.h"

namespace razzlewick {

TerminalTextStream::TerminalTextStream(std::ostream& stream)
    : stream_(stream), filter_(stream.rdbuf())
{
    stream_.rdbuf(&filter_);
}

TerminalTextStream::~TerminalTextStream()
{
    stream_.flush();
    filter_.Finish();
    stream_.rdbuf(filter_.Target());
}

void TerminalTextStream::Filter::Finish()
{
    Pass(held_.size());
    target_->pubsync();
}

TerminalTextStream::Filter::int_type TerminalTextStream::Filter::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    return xsputn(&character, 1) == 1 ? c : traits_type::eof();
}

std::streamsize TerminalTextStream::Filter::xsputn(const char* text, std::streamsize count)
{
    held_.append(text, static_cast<size_t>(count));
    return Pass(TerminalTextReady(held_)) ? count : 0;
}

int TerminalTextStream::Filter::sync()
{
    return target_->pubsync();
}

bool TerminalTextStream::Filter::Pass(size_t length)
{
    if (length == 0)
        return true;
    const std::string shown = TerminalText(std::string_view(held_).substr(0, length));
    held_.erase(0, length);
    const auto size = static_cast<std::streamsize>(shown.size());
    return target_->sputn(shown.data(), size) == size;
}

}  // namespace razzlewick
