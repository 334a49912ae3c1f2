#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace razzlewick {

// Holds a stream to text for as long as it lives: whatever is written to the stream passes
// through TerminalText (the program's own tabs and line breaks kept) on its way to where the
// stream wrote before, and the stream writes there again afterwards. Both terminal programs
// put their standard output and error under one, so no message, list or insult can carry a
// control sequence out, whichever path wrote it.
class TerminalTextStream final {
public:
    explicit TerminalTextStream(std::ostream& stream);
    ~TerminalTextStream();

    TerminalTextStream(const TerminalTextStream&) = delete;
    TerminalTextStream& operator=(const TerminalTextStream&) = delete;

private:
    // Escapes what it is given, holding back the end of a character or a CR LF that the next
    // write may finish, and passes the rest on.
    class Filter final : public std::streambuf {
    public:
        explicit Filter(std::streambuf* target) : target_(target) {}
        std::streambuf* Target() const { return target_; }
        // Shows whatever is held back, as it stands.
        void Finish();

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* text, std::streamsize count) override;
        int sync() override;

    private:
        bool Pass(size_t length);

        std::streambuf* target_;  // not owning
        std::string held_;
    };

    std::ostream& stream_;
    Filter filter_;
};

}  // namespace razzlewick
