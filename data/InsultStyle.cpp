#include "data/InsultStyle.h"

#include "data/Archive.h"
#include "data/DataLimits.h"
#include "data/ListWordsReader.h"
#include "data/LoadObserver.h"
#include "data/MemoryAllowance.h"
#include "data/ShapedInsultCount.h"
#include "data/WordCipher.h"

#include <utility>

namespace razzlewick {

InsultStyle::InsultStyle(std::string name) : name_(std::move(name)) {}

void InsultStyle::Serialize(Archive& archive, LoadObserver* observer, MemoryAllowance* allowance)
{
    const WordCipher cipher;
    if (archive.IsLoading()) {
        name_ = archive.ReadString(kLongestText);
        templateText_ = archive.ReadString(kLongestText);
        if (observer != nullptr) {
            observer->TemplateRead(name_, templateText_);
        }
        const int32_t listCount = archive.ReadInt32();
        for (int32_t i = 0; i < listCount; ++i) {
            const int32_t number = archive.ReadInt32();
            const int32_t wordCount = archive.ReadInt32();
            if (observer != nullptr) {
                observer->ListStarted(number, wordCount);
            }
            auto list = wordLists_.find(number);
            if (list == wordLists_.end()) {
                if (allowance != nullptr) {
                    allowance->Charge(MemoryAllowance::kListCost, archive.BytesRead());
                }
                list = wordLists_.try_emplace(number).first;
            }
            ReadListWords(archive, cipher, wordCount, list->second, observer, allowance);
        }
    } else {
        archive.WriteString(name_);
        archive.WriteString(templateText_);
        archive.WriteInt32(static_cast<int32_t>(wordLists_.size()));
        for (const auto& [number, list] : wordLists_) {
            archive.WriteInt32(number);
            archive.WriteInt32(static_cast<int32_t>(list.size()));
            for (const std::string& word : list.Words()) {
                archive.WriteString(cipher.Encode(word));
            }
        }
    }
    ComputeCombinations();
}

void InsultStyle::ComputeCombinations()
{
    if (const std::optional<int64_t> insults = CountShapedInsults(templateText_, wordLists_)) {
        combinationCount_ = *insults;
        return;
    }
    // Unsigned arithmetic gives the two's complement wrap without undefined behaviour.
    uint64_t product = 1;
    for (const auto& entry : wordLists_) {
        const size_t size = entry.second.size();
        product *= size == 0 ? 1 : static_cast<uint64_t>(size);
    }
    combinationCount_ = static_cast<int64_t>(product - 1);
}

void InsultStyle::Clear()
{
    wordLists_.clear();
    history_.Clear();
    recentDraws_.Clear();
}

void InsultStyle::NoteFile(const std::string& file)
{
    if (!file.empty() && (files_.empty() || files_.back() != file))
        files_.push_back(file);
}

}  // namespace razzlewick
