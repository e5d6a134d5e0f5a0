#include "pictures/Catalogue.h"
#include "pictures/ohmslaw/OhmsLawPictures.h"

namespace pictures {

// The memory device's formula pictures are drawn by its own module.
std::vector<PictureFile> FormulaFiles() {
    std::vector<PictureFile> files;
    for (int formula = 1; formula <= ohmslaw::kFormulaCount; ++formula)
        files.push_back(
            {ohmslaw::FormulaFileName(formula), [formula] { return ohmslaw::FormulaFilePicture(formula); }});
    return files;
}

} // namespace pictures
