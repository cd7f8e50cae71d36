// A picture on its way to the screen: the frames collected from the loading threads, each
// uploaded into a texture of its own a band of rows at a time, in frame order, until the
// whole picture is there to be swapped in. It owns those textures until they are taken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "overlay/drawing/OverlayTexture.h"
#include "overlay/loading/OverlayPreparation.h"

struct UploadProgress {
    size_t spent = 0;     // the bytes' worth of work done, texture creation counted in
    size_t finished = 0;  // the bytes of the frames it finished, whose pixels are freed
};

class IncomingPicture {
public:
    IncomingPicture() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~IncomingPicture() = default;
    IncomingPicture(const IncomingPicture&) = delete;
    IncomingPicture& operator=(const IncomingPicture&) = delete;

    void Add(std::vector<PreparedFrame>&& frames);
    // Uploads about `budgetBytes` (at least one row when it is above 0); `mayExceed` lets
    // its first step cost more, such as making a texture that costs more than the budget.
    UploadProgress Upload(size_t budgetBytes, bool mayExceed, TextureStorage storage);
    // Every frame added so far is in its texture.
    bool Uploaded() const { return pending.empty(); }
    // What uploading every frame added so far still costs, counted as Upload counts it.
    size_t Outstanding() const;
    bool Empty() const { return pending.empty() && textures.empty(); }

    // The finished textures in frame order, with their display delays; the caller owns
    // the textures from now on and this picture is empty again.
    std::vector<uint32_t> TakeTextures(std::vector<int32_t>* delays);
    // Deletes every texture made so far and forgets the frames.
    void Release();

private:
    struct Pending {
        PreparedFrame frame;
        uint32_t texture = 0;
        size_t level = 0;  // the level being uploaded
        int row = 0;       // its next row
    };

    // Makes the front frame's texture and uploads rows of it; returns the bytes spent, 0
    // when making its texture would overrun the budget and may not.
    size_t UploadFront(size_t budgetBytes, bool mayExceed, TextureStorage storage);

    std::deque<Pending> pending;
    std::vector<uint32_t> textures;
    std::vector<int32_t> delays;
};
