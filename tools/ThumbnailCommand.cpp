// vigil-host thumbnail: the plug-in's preview picture, fetched through code 42, as a PNG.
#include "tools/Commands.h"
#include "tools/Picture.h"
#include "tools/PluginClient.h"
#include "tools/PngWrite.h"

int RunThumbnail(const HostOptions& options) {
    PluginClient client;
    std::string error;
    ThumbnailWords thumbnail;
    if (!client.Open(options.library, &error) || !client.ReadThumbnail(&thumbnail, &error)) return Fail(error);
    const Picture picture = PictureFromPackedWords(thumbnail.width, thumbnail.height, thumbnail.words);
    if (!WritePng(options.output, picture.width, picture.height, picture.rgba.data()))
        return Fail("cannot write " + options.output);
    return kExitOk;
}
