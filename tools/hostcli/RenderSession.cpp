#include "tools/hostcli/RenderSession.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>

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

namespace {

bool StartsWith(const std::string& line, const char* start) { return line.rfind(start, 0) == 0; }

// How many lines since `first` report a finished load.
size_t FinishedLoads(size_t first, const FileLoadLines& report) {
    const std::vector<std::string>& lines = PluginClient::LoggedLines();
    return static_cast<size_t>(std::count_if(
        lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end(),
        [&](const std::string& line) { return StartsWith(line, report.loaded) || StartsWith(line, report.failed); }));
}

// The first line since `first` that reports a failed load, or "".
std::string FirstFailure(size_t first, const FileLoadLines& report) {
    const std::vector<std::string>& lines = PluginClient::LoggedLines();
    for (size_t i = first; i < lines.size(); ++i)
        if (StartsWith(lines[i], report.failed)) return lines[i];
    return "";
}

// A line start as a message quotes it: "Loaded", without the space that follows.
std::string Quoted(const char* start) {
    std::string text(start);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return "\"" + text + "\"";
}

}  // namespace

bool RenderSession::AwaitFiles(const std::vector<ParameterSetting>& settings, double limitSeconds,
                               const FileLoadLines& lines, std::string* error) {
    std::vector<const ParameterSetting*> files;
    for (const ParameterSetting& setting : settings)
        if (setting.isFile && !setting.text.empty()) files.push_back(&setting);
    const auto start = std::chrono::steady_clock::now();
    auto settled = [&] {
        if (FinishedLoads(linesAtStart, lines) >= files.size()) return true;
        return std::any_of(files.begin(), files.end(), [&](const ParameterSetting* file) {
            return client.ParameterText(instance, file->index) != file->text;
        });
    };
    while (!files.empty() && !settled()) {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > limitSeconds) {
            *error = client.FileName() + ": \"" + files.front()->text + "\" had not finished loading after " +
                     std::to_string(static_cast<int>(limitSeconds)) + " s (no " + Quoted(lines.loaded) + " or " +
                     Quoted(lines.failed) + " line in the plug-in's log)";
            return false;
        }
        if (!RenderFrame(error)) return false;
    }
    return FilesLoaded(files, lines, error);
}

bool RenderSession::FilesLoaded(const std::vector<const ParameterSetting*>& files, const FileLoadLines& lines,
                                std::string* error) {
    // A file the plug-in gave up on reads back empty; with one file, a failure line is its.
    if (files.empty()) return true;
    const std::string failure = FirstFailure(linesAtStart, lines);
    std::string failed;
    for (const ParameterSetting* file : files)
        if (client.ParameterText(instance, file->index).empty() || (files.size() == 1 && !failure.empty()))
            failed += (failed.empty() ? "\"" : ", \"") + file->text + "\"";
    if (failed.empty() && failure.empty()) return true;
    *error = client.FileName() + ": cannot load " + (failed.empty() ? "a file the settings name" : failed) +
             (failure.empty() ? ": the plug-in could not use it" : ": the plug-in logged \"" + failure + "\"");
    return false;
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
