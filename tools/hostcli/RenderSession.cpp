#include "tools/hostcli/RenderSession.h"

#include <GL/glew.h>

int PaddedSide(int size) {
    int side = 1;
    while (side <= size) side *= 2;
    return side;
}

bool RenderSession::Start(const Picture& picture, int width, int height, bool pad,
                          const std::vector<ParameterSetting>& settings, std::string* error) {
    FrameShape shape;
    shape.width = width;
    shape.height = height;
    shape.inputWidth = picture.width;
    shape.inputHeight = picture.height;
    shape.hardwareWidth = pad ? PaddedSide(picture.width) : picture.width;
    shape.hardwareHeight = pad ? PaddedSide(picture.height) : picture.height;
    if (!textures.Create(shape, picture.rgba, error)) return false;
    linesAtStart = PluginClient::LoggedLines().size();
    instance = client.Instantiate(width, height, error);
    return instance && Apply(settings, error);
}

bool RenderSession::Apply(const std::vector<ParameterSetting>& settings, std::string* error) {
    for (const ParameterSetting& setting : settings) {
        const bool applied = setting.isText ? client.SetParameterText(instance, setting.index, setting.text)
                                            : client.SetParameterValue(instance, setting.index, setting.value);
        if (!applied) {
            *error = Refused(setting.index);
            return false;
        }
    }
    return true;
}

std::string RenderSession::Refused(uint32_t index) const {
    return client.FileName() + ": the plug-in refused the value of parameter " + std::to_string(index) +
           " (function code 8)";
}

bool RenderSession::SetValue(uint32_t index, float value, std::string* error) {
    if (client.SetParameterValue(instance, index, value)) return true;
    *error = Refused(index);
    return false;
}

void RenderSession::UploadInput(const uint8_t* rgbaBottomUp) { textures.UploadPicture(rgbaBottomUp); }

uint32_t RenderSession::OutputFramebuffer() const { return textures.target.framebuffer; }

void RenderSession::ReadOutputRows(std::vector<uint8_t>* rows) const {
    const RenderTarget& target = textures.target;
    rows->resize(static_cast<size_t>(target.width) * target.height * 4);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, target.width, target.height, GL_RGBA, GL_UNSIGNED_BYTE, rows->data());
}

bool RenderSession::RenderFrame(std::string* error) {
    ++frameNumber;
    if (textures.Render(client, instance) == ffgl::kSuccess) return true;
    *error = client.FileName() + ": frame " + std::to_string(frameNumber) + " failed (function code 17)";
    return false;
}

bool RenderSession::AwaitFiles(const std::vector<ParameterSetting>& settings, double limitSeconds,
                               const FileLoadLines& lines, std::string* error) {
    std::vector<FileParameter> files;
    for (const ParameterSetting& setting : settings)
        if (setting.isFile && !setting.text.empty()) files.push_back({setting.index, setting.text});
    const FileLoadWait wait{client, instance, linesAtStart, [this](std::string* why) { return RenderFrame(why); }};
    return AwaitFileLoads(wait, files, lines, limitSeconds, error);
}

bool RenderSession::SetText(uint32_t index, const std::string& text, std::string* error) {
    if (client.SetParameterText(instance, index, text)) return true;
    *error = client.FileName() + ": the plug-in refused the text of parameter " + std::to_string(index) +
             " (function code 8)";
    return false;
}

std::vector<uint8_t> RenderSession::ReadCentre(int side) const {
    const RenderTarget& target = textures.target;
    std::vector<uint8_t> block(static_cast<size_t>(side) * side * 4);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glReadPixels((target.width - side) / 2, (target.height - side) / 2, side, side, GL_RGBA, GL_UNSIGNED_BYTE,
                 block.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return block;
}

Picture RenderSession::ReadOutput() const {
    const RenderTarget& target = textures.target;
    return PictureFromBottomUpRows(target.width, target.height, target.ReadPixels());
}

void RenderSession::Stop() {
    client.Deinstantiate(instance);
    instance = nullptr;
    textures.Release();
}
