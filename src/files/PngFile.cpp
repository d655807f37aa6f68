// PNG files through libpng's simplified interface, which reports every error by its result
// rather than by a long jump through our frames.
#include "files/PngFile.h"

#include "files/RegularFile.h"

#include <new>
#include <png.h>

namespace trellis {

namespace {

// Releases libpng's decoder state whichever way reading ends.
class PngReadState {
public:
    PngReadState() { image.version = PNG_IMAGE_VERSION; }
    ~PngReadState() { png_image_free(&image); }
    PngReadState(const PngReadState&) = delete;
    PngReadState& operator=(const PngReadState&) = delete;

    png_image image{};
};

bool fail(std::string* reason, const std::string& why) {
    if (reason)
        *reason = why;
    return false;
}

// Why an image of width x height is refused, or "" when its size is accepted.
std::string sizeProblem(long long width, long long height) {
    if (width < 1 || height < 1)
        return "the image is empty";
    if (width > kMaxPngSide || height > kMaxPngSide || width * height > kMaxPngPixels)
        return "the image is " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels, over the limit of " + std::to_string(kMaxPngSide) + " a side and " +
               std::to_string(kMaxPngPixels) + " in all";
    return "";
}

}  // namespace

bool readPngFile(const char* path, PngImage& image, std::string* reason,
                 const PngPixelBudget* budget) {
    image = PngImage();
    // Memory can run out for the file's bytes, libpng's state or the pixels: each is a reason
    // like any other, never an exception that ends the program.
    try {
        std::string bytes, unread;
        if (!readRegularFile(path, kMaxPngFileBytes, bytes, &unread))
            return fail(reason, "cannot read the file: " + unread);
        if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8))
            return fail(reason, "not a PNG file");
        PngReadState state;
        if (!png_image_begin_read_from_memory(&state.image, bytes.data(), bytes.size()))
            return fail(reason, std::string("corrupt PNG file: ") + state.image.message);
        const long long width = state.image.width, height = state.image.height;
        const std::string problem = sizeProblem(width, height);
        if (!problem.empty())
            return fail(reason, problem);
        if (budget && width * height > budget->total - budget->used)
            return fail(reason, "the image is " + std::to_string(width) + " x " +
                                    std::to_string(height) + " pixels; with the " +
                                    std::to_string(budget->used) +
                                    " decoded before it, that is over the limit of " +
                                    std::to_string(budget->total) +
                                    " pixels for the pictures read together");
        state.image.format = PNG_FORMAT_RGBA;
        std::vector<uint8_t> pixels;
        try {
            pixels.resize(PNG_IMAGE_SIZE(state.image));
        } catch (const std::bad_alloc&) {
            return fail(reason, "not enough memory for the " + std::to_string(width) + " x " +
                                    std::to_string(height) + " pixels of the image");
        }
        if (!png_image_finish_read(&state.image, nullptr, pixels.data(), 0, nullptr))
            return fail(reason, std::string("corrupt PNG file: ") + state.image.message);
        image.width = static_cast<int>(width);
        image.height = static_cast<int>(height);
        image.rgba = std::move(pixels);
        return true;
    } catch (const std::bad_alloc&) {
        image = PngImage();
        return fail(reason, "not enough memory to read the file");
    }
}

bool writePngFile(const char* path, const PngImage& image, std::string* reason) {
    if (!path)
        return fail(reason, "no file name");
    const std::string problem = sizeProblem(image.width, image.height);
    if (!problem.empty())
        return fail(reason, problem);
    if (image.rgba.size() != static_cast<size_t>(image.width) * image.height * 4)
        return fail(reason, "the pixels do not fill a " + std::to_string(image.width) + " x " +
                                std::to_string(image.height) + " image");
    png_image out{};
    out.version = PNG_IMAGE_VERSION;
    out.width = static_cast<png_uint_32>(image.width);
    out.height = static_cast<png_uint_32>(image.height);
    out.format = PNG_FORMAT_RGBA;
    const bool written = png_image_write_to_file(&out, path, 0, image.rgba.data(), 0, nullptr);
    png_image_free(&out);
    if (!written)
        return fail(reason, std::string("cannot write ") + path + ": " + out.message);
    return true;
}

}  // namespace trellis
