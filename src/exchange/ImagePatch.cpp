#include "ImagePatch.h"

#include "ImageForm.h"

#include <optional>

namespace mobwright {
namespace {

using Bytes = std::span<const std::uint8_t>;

// The image in form without a copy: as it is, or with its header cut off.
// Copying images of megabytes costs more than making the patch.
std::optional<Bytes> AsIs(Bytes image, ImageKind form)
{
    const std::optional<ImageKind> kind = KindOfImageSize(image.size());
    if (kind == form)
        return image;
    if (kind == ImageKind::CopierHeader)
        return image.subspan(COPIER_HEADER_SIZE);
    return std::nullopt;
}

} // namespace

std::vector<std::uint8_t> MakeImagePatch(const FileFormat &format, Bytes baseline, Bytes image,
                                         ImageKind form)
{
    const std::optional<Bytes> target = AsIs(image, form);
    if (!target)
        return format.makePatch(baseline, InForm(image, form)); // throws: no image in form
    if (const std::optional<Bytes> source = AsIs(baseline, form))
        return format.makePatch(*source, *target);
    // A baseline without a header takes the image's, which the patch then leaves alone.
    return format.makePatch(InForm(baseline, form, image), *target);
}

} // namespace mobwright
