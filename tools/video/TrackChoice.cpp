#include "tools/video/TrackChoice.h"

#include <algorithm>

namespace {

using Names = std::vector<std::string>;

bool Holds(const Names& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const Names kTextSubtitles = {"subrip", "ass", "ssa", "webvtt", "mov_text", "text"};
const Names kPictureSubtitles = {"dvd_subtitle", "hdmv_pgs_subtitle", "dvb_subtitle"};

struct ContainerTracks {
    Names audioKept;          // audio it takes as it is; empty with anyAudio
    bool anyAudio;            // Matroska takes every codec ffmpeg has
    const char* audioFormed;  // what other audio becomes; null: none goes in
    const char* textFormed;   // the subtitle encoder it takes text in; null: no subtitles
    bool pictureSubtitles;
    bool attachments;
};

ContainerTracks TracksOf(Container container) {
    switch (container) {
        case Container::Matroska: return {{}, true, nullptr, "srt", true, true};
        case Container::Mp4:
            return {{"aac", "mp3", "ac3", "eac3", "alac", "opus"}, false, "aac", "mov_text", false, false};
        case Container::Mov:
            return {{"aac", "alac", "mp3", "pcm_s16le", "pcm_s24le", "pcm_s16be", "pcm_s24be"},
                    false,
                    "pcm_s16le",
                    "mov_text",
                    false,
                    false};
        case Container::Webm: return {{"opus", "vorbis"}, false, "libopus", "webvtt", false, false};
        default: return {{}, false, nullptr, nullptr, false, false};
    }
}

// The name a subtitle encoder's output has as a codec.
std::string CodecOfEncoder(const std::string& encoder) { return encoder == "srt" ? "subrip" : encoder; }

std::string Described(const StreamInfo& stream) {
    const std::string number = "stream " + std::to_string(stream.index);
    if (stream.coverPicture) return number + " (a cover picture)";
    if (stream.tag == "tmcd") return number + " (a timecode track)";
    if (stream.type == "video") return number + " (a second picture, " + stream.codec + ")";
    if (stream.type == "subtitle") return number + " (" + stream.codec + " subtitles)";
    return number + " (" + (stream.type.empty() ? "data" : stream.type) + ", " + stream.codec + ")";
}

void AddNote(TrackChoice* choice, const std::string& note) {
    if (!Holds(choice->notes, note)) choice->notes.push_back(note);
}

// The encoder a track is kept with, "copy", or "" when it is left out.
std::string KeptAs(const StreamInfo& stream, const ContainerTracks& tracks, const std::string& extension,
                   TrackChoice* choice) {
    if (stream.type == "audio") {
        if (tracks.anyAudio || Holds(tracks.audioKept, stream.codec)) return "copy";
        if (!tracks.audioFormed) return "";
        AddNote(choice,
                extension + " cannot hold " + stream.codec + " audio: it is converted to " + tracks.audioFormed);
        return tracks.audioFormed;
    }
    if (stream.type == "subtitle" && tracks.textFormed && Holds(kTextSubtitles, stream.codec))
        return stream.codec == CodecOfEncoder(tracks.textFormed) ? "copy" : tracks.textFormed;
    if (stream.type == "subtitle" && tracks.pictureSubtitles && Holds(kPictureSubtitles, stream.codec)) return "copy";
    if (stream.type == "attachment" && tracks.attachments) return "copy";
    return "";
}

}  // namespace

TrackChoice ChooseTracks(const VideoInfo& info, Container container, const std::string& output) {
    TrackChoice choice;
    const ContainerTracks tracks = TracksOf(container);
    const std::string extension = "." + std::string(ContainerName(container));
    std::string leftOut;
    for (const StreamInfo& stream : info.streams) {
        if (stream.index == info.videoStream) continue;
        const std::string codec = KeptAs(stream, tracks, extension, &choice);
        if (!codec.empty()) {
            const char kind = stream.type == "audio" ? 'a' : stream.type == "subtitle" ? 's' : 't';
            choice.kept.push_back({stream.index, kind, codec});
            continue;
        }
        leftOut += (leftOut.empty() ? "" : ", ") + Described(stream);
    }
    if (!leftOut.empty()) choice.notes.push_back(output + " leaves out the input's " + leftOut);
    return choice;
}
