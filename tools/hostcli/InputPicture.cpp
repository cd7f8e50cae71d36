#include "tools/hostcli/InputPicture.h"

#include "tools/hostcli/PictureLoad.h"
#include "tools/hostcli/TestCard.h"

bool LoadInputPicture(const std::string& input, int width, int height, Picture* picture, std::string* error) {
    if (input == "testcard") {
        *picture = MakeTestCard(width, height);
        return true;
    }
    return LoadPicture(input, picture, error);
}
