#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace razzlewick {

// Told what the loader reads, record by record, so that the data tool can check a file's
// content in the same pass that reads it. Every call does nothing unless overridden.
class LoadObserver {
public:
    virtual ~LoadObserver() = default;

    // Asked before a data file a search found is opened: true leaves it out, unread and
    // unreported (the data tool judging a file that is to replace it).
    virtual bool SkipFile(const std::string& /*path*/) { return false; }
    // A data file was opened for reading; the records that follow are its own.
    virtual void FileOpened(const std::string& /*path*/) {}
    // A style record begins.
    virtual void StyleStarted(const std::string& /*key*/) {}
    // The style record's name and template were read.
    virtual void TemplateRead(const std::string& /*name*/, const std::string& /*templateText*/) {}
    // A list record begins, with the number of words it announces.
    virtual void ListStarted(int32_t /*number*/, int32_t /*wordCount*/) {}
    // A word of the list record, decoded. `kept` is set when an earlier word of the same
    // record equals it without regard to case, so this one was dropped.
    virtual void WordRead(std::string_view /*word*/, const std::string* /*kept*/) {}
};

}  // namespace razzlewick
