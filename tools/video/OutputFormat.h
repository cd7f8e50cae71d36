// What an output name asks for: pictures (one, or one per frame when the name holds a frame
// number) or a video through ffmpeg, chosen by the name's extension (or --format).
#pragma once

#include <string>

enum class Container { Png, Jpeg, Mp4, Mov, Webm, Gif, Matroska };

// The container an extension ("mp4", ".MOV") or --format name stands for; false when none.
bool ContainerFromName(const std::string& name, Container* container);
bool IsVideo(Container container);
// Its usual extension, without the dot.
const char* ContainerName(Container container);

// Reads the format from the output name; `format`, when not empty, overrides its extension.
// Standard output ("-"), a device or a pipe without an extension are a PNG for one still
// frame and Matroska for a video (a stream other programs read from a pipe). False with a
// message for an extension that is no format, and for a file without one.
bool ChooseOutputFormat(const std::string& output, const std::string& format, bool moving, Container* chosen,
                        std::string* error);
