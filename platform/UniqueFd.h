#pragma once

namespace razzlewick::platform {

// Owns an open file descriptor and closes it on every way out. Closing also drops an
// flock() held through it.
class UniqueFd final {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd();

    UniqueFd(UniqueFd&& other) noexcept;
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Gives the descriptor up without closing it.
    int Release();
    // Closes now; 0, or the errno of a failed close (a late write error shows here).
    int Close();

private:
    int fd_ = -1;
};

}  // namespace razzlewick::platform
