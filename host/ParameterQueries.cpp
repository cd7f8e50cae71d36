#include "host/ParameterQueries.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "host/Answers.h"
#include "host/PluginManager.h"
#include "host/Thumbnail.h"

using ffgl::ElementQueryRecord;

uint64_t AnswerParameterDefault(const CFFGLPluginManager& table, uint32_t index) {
    const ParameterDefault found = table.ParameterDefaultOf(index);
    if (!found.found) return answer::Failure();
    return found.isText ? answer::Pointer(found.text) : answer::Float(found.value);
}

uint64_t AnswerCapability(const CFFGLPluginManager& table, uint32_t capability) {
    switch (capability) {
        case ffgl::kCapTimeSupported: return table.timeSupported ? 1 : 0;
        case ffgl::kCapMinimumInputs: return static_cast<uint32_t>(std::max(table.minimumInputs, 0));
        case ffgl::kCapMaximumInputs: return static_cast<uint32_t>(std::max(table.maximumInputs, 0));
        case ffgl::kCapTopLeftOrientation: return table.topLeftOrientation ? 1 : 0;
        default: return 0;
    }
}

uint64_t AnswerElementName(const CFFGLPluginManager& table, uint64_t input) {
    const auto* query = answer::RecordOf<const ElementQueryRecord>(input);
    if (!query) return answer::NullPointer();
    return answer::Pointer(table.ElementName(query->index, query->entry));
}

uint64_t AnswerElementValue(const CFFGLPluginManager& table, uint64_t input) {
    const auto* query = answer::RecordOf<const ElementQueryRecord>(input);
    if (!query) return answer::Failure();
    return answer::Number(table.ElementValueBits(query->index, query->entry));
}

uint64_t AnswerSetElementValue(CFFGLPluginManager& table, uint64_t input) {
    const auto* query = answer::RecordOf<const ElementQueryRecord>(input);
    if (!query) return answer::Failure();
    return answer::Number(table.SetElementValue(query->index, query->entry, query->value));
}

uint64_t AnswerRange(const CFFGLPluginManager& table, uint64_t input) {
    auto* range = answer::RecordOf<ffgl::RangeRecord>(input);
    if (!range) return answer::Failure();
    table.ParameterRange(range->index, &range->minimum, &range->maximum);
    return 0;
}

uint64_t AnswerExtension(const CFFGLPluginManager& table, uint64_t input) {
    const auto* query = answer::RecordOf<const ElementQueryRecord>(input);
    if (!query) return answer::NullPointer();
    return answer::Pointer(table.Extension(query->index, query->entry));
}

uint64_t AnswerAuxiliaryEntry(const CFFGLPluginManager& table, uint64_t input) {
    const auto* query = answer::RecordOf<const ElementQueryRecord>(input);
    if (!query) return answer::Failure();
    return answer::Number(table.AuxiliaryEntry(query->index, query->entry));
}

uint64_t AnswerEvents(CFFGLPluginManager& table, uint64_t input) {
    auto* query = answer::RecordOf<ffgl::EventQueryRecord>(input);
    if (!query) return answer::Failure();
    if (!query->entries) {
        query->count = table.PendingEventCount();
        return 0;
    }
    uint32_t written = 0;
    // Entries are written one by one so the host's padding bytes stay as they were.
    while (written < query->count) {
        EventEntryOut next{};
        if (table.CollectEvents(&next, 1) == 0) break;
        query->entries[written].index = next.index;
        query->entries[written].flags = next.flags;
        ++written;
    }
    query->count = written;
    return 0;
}

uint64_t AnswerTextCopy(const CFFGLPluginManager& table, uint64_t input, bool groupName) {
    const auto* query = answer::RecordOf<const ffgl::TextQueryRecord>(input);
    if (!query || query->bufferSize == 0 || !query->buffer) return answer::Failure();
    const uint32_t index = query->index;
    const std::string text = groupName ? table.GroupName(index) : table.DisplayName(index);
    std::memcpy(query->buffer, text.data(), std::min<size_t>(text.size(), query->bufferSize));
    return 0;
}

uint64_t AnswerThumbnail(uint64_t input) {
    auto* query = answer::RecordOf<ffgl::ThumbnailQueryRecord>(input);
    if (!query) return answer::Failure();
    const ThumbnailImage* picture = RegisteredThumbnail();
    if (!picture) {
        query->width = 0;
        query->height = 0;
        return answer::Failure();
    }
    query->width = static_cast<uint32_t>(picture->width);
    query->height = static_cast<uint32_t>(picture->height);
    if (query->pixels) std::memcpy(query->pixels, picture->pixels.data(), picture->pixels.size() * sizeof(uint32_t));
    return 0;
}
