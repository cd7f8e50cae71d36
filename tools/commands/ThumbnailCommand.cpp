#include "tools/commands/ThumbnailCommand.h"

#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/Picture.h"
#include "tools/hostcli/PictureWrite.h"
#include "tools/hostkit/PluginClient.h"

int RunThumbnail(const HostOptions& options) {
    PluginClient client;
    std::string error;
    ThumbnailWords thumbnail;
    if (!client.Open(options.library, &error) || !client.ReadThumbnail(&thumbnail, &error)) return Fail(error);
    const Picture picture = PictureFromPackedWords(thumbnail.width, thumbnail.height, thumbnail.words);
    if (!WritePictureFile(options.output, picture.width, picture.height, picture.rgba.data(), &error))
        return Fail(error);
    return kExitOk;
}
