#include "ImagePatch.h"

#include "BpsPatch.h"
#include "ImageForm.h"
#include "IpsPatch.h"

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

std::vector<std::uint8_t> Patch(PatchFormat format, Bytes source, Bytes target)
{
    return format == PatchFormat::Ips ? MakeIpsPatch(source, target) : MakeBpsPatch(source, target);
}

} // namespace

std::vector<std::uint8_t> MakeImagePatch(PatchFormat format, Bytes baseline, Bytes image,
                                         ImageKind form)
{
    const std::optional<Bytes> target = AsIs(image, form);
    if (!target)
        return Patch(format, baseline, InForm(image, form)); // throws: no image in form
    if (const std::optional<Bytes> source = AsIs(baseline, form))
        return Patch(format, *source, *target);
    // A baseline without a header takes the image's, which the patch then leaves alone.
    return Patch(format, InForm(baseline, form, image), *target);
}

} // namespace mobwright
