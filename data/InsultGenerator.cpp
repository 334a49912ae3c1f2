#include "data/InsultGenerator.h"

#include "data/DataLimits.h"
#include "data/LoadObserver.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace razzlewick {

namespace {

// The only version this program reads and writes; compared bit for bit.
constexpr float kDataVersion = 3.2f;

}  // namespace

InsultGenerator::InsultGenerator(std::string fileName) : fileName_(std::move(fileName)) {}

InsultGenerator::~InsultGenerator()
{
    RemoveAll();
}

bool InsultGenerator::Serialize(Archive& archive)
{
    if (!archive.IsLoading()) {
        archive.WriteFloat32(kDataVersion);
        archive.WriteInt32(static_cast<int32_t>(styles_.size()));
        for (auto& [key, style] : styles_) {
            archive.WriteString(key);
            style.Serialize(archive);
        }
        return true;
    }
    if (std::bit_cast<uint32_t>(archive.ReadFloat32()) != std::bit_cast<uint32_t>(kDataVersion))
        return false;
    allowance_.StartFile();
    const int32_t styleCount = archive.ReadInt32();
    for (int32_t i = 0; i < styleCount; ++i) {
        std::string key = archive.ReadString(kLongestText);
        if (observer_ != nullptr) {
            observer_->StyleStarted(key);
        }
        if (InsultStyle* found = FindStyle(key)) {
            found->Serialize(archive, observer_, &allowance_);
            found->NoteFile(fileName_);
            continue;
        }
        allowance_.Charge(MemoryAllowance::kStyleCost + key.size(), archive.BytesRead());
        // A new style joins the map only once its whole record has been read.
        InsultStyle style(key);
        style.Serialize(archive, observer_, &allowance_);
        style.NoteFile(fileName_);
        styles_.emplace(std::move(key), std::move(style));
    }
    return true;
}

const InsultStyle* InsultGenerator::FindStyle(const std::string& key) const
{
    const auto found = styles_.find(key);
    return found != styles_.end() ? &found->second : nullptr;
}

InsultStyle* InsultGenerator::FindStyle(const std::string& key)
{
    const auto found = styles_.find(key);
    return found != styles_.end() ? &found->second : nullptr;
}

InsultStyle& InsultGenerator::AddStyle(const std::string& key)
{
    return styles_.try_emplace(key, key).first->second;
}

void InsultGenerator::SelectStyle(const std::string& key)
{
    if (InsultStyle* found = FindStyle(key)) {
        currentStyle_ = found;
    }
}

void InsultGenerator::RemoveAll()
{
    currentStyle_ = nullptr;
    allowance_.Reset();
    for (auto& entry : styles_) {
        entry.second.Clear();
    }
    styles_.clear();
}

int64_t InsultGenerator::CombinationCount() const
{
    return currentStyle_ != nullptr ? currentStyle_->CombinationCount() : 0;
}

std::string InsultGenerator::StepBack()
{
    return currentStyle_ != nullptr ? currentStyle_->History().StepBack() : std::string();
}

std::string InsultGenerator::StepForward()
{
    return currentStyle_ != nullptr ? currentStyle_->History().StepForward() : std::string();
}

std::string InsultGenerator::CurrentText() const
{
    return currentStyle_ != nullptr ? currentStyle_->History().CurrentText() : std::string();
}

int32_t InsultGenerator::HistoryState() const
{
    return currentStyle_ != nullptr ? currentStyle_->History().HistoryState() : 0;
}

int32_t InsultGenerator::HistorySize() const
{
    return currentStyle_ != nullptr ? currentStyle_->History().HistorySize() : 0;
}

}  // namespace razzlewick
