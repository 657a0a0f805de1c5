#include "ImageForm.h"

#include <stdexcept>
#include <string>

namespace mobwright {
namespace {

ImageKind KindOf(std::span<const std::uint8_t> image, const char *which)
{
    const auto kind = KindOfImageSize(image.size());
    if (!kind)
        throw std::invalid_argument(std::string("The ") + which + " has " +
                                    std::to_string(image.size()) +
                                    " bytes, which is no cartridge image's size.");
    return *kind;
}

} // namespace

std::vector<std::uint8_t> InForm(std::span<const std::uint8_t> image, ImageKind form,
                                 std::span<const std::uint8_t> headerDonor)
{
    const ImageKind kind = KindOf(image, "image");
    if (kind == form)
        return {image.begin(), image.end()};
    if (kind == ImageKind::CopierHeader)
        return {image.begin() + COPIER_HEADER_SIZE, image.end()};
    if (KindOf(headerDonor, "image giving the header") != ImageKind::CopierHeader)
        throw std::invalid_argument(
            "A copier header can only be taken from an image that has one.");
    std::vector<std::uint8_t> formed(headerDonor.begin(), headerDonor.begin() + COPIER_HEADER_SIZE);
    formed.insert(formed.end(), image.begin(), image.end());
    return formed;
}

} // namespace mobwright
