#include "ImagePatch.h"

#include "BpsPatch.h"
#include "ImageForm.h"
#include "IpsPatch.h"

namespace mobwright {

std::vector<std::uint8_t> MakeImagePatch(PatchFormat format, std::span<const std::uint8_t> baseline,
                                         std::span<const std::uint8_t> image, ImageKind form)
{
    // A baseline without a header takes the image's, which the patch then leaves alone.
    const std::vector<std::uint8_t> source = InForm(baseline, form, image);
    const std::vector<std::uint8_t> target = InForm(image, form);
    return format == PatchFormat::Ips ? MakeIpsPatch(source, target) : MakeBpsPatch(source, target);
}

} // namespace mobwright
