// Tests for the PNG reader and writer: exact round trips, every colour type read as RGBA, and
// bad files (missing, not regular, not PNG, truncated, corrupt, oversized) refused with a reason.
#include "files/PngFile.h"
#include "support/TempFolder.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

using namespace trellis;

namespace {

using Bytes = std::string;

// A small image whose every pixel differs, alpha included.
PngImage testImage(int width = 7, int height = 5) {
    PngImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        for (int channel = 0; channel < 4; ++channel)
            image.rgba.push_back(static_cast<uint8_t>(i * 37 + channel * 91));
    return image;
}

// The bytes of a PNG of pixels in the given libpng format, written by libpng itself.
Bytes encode(png_uint_32 format, int width, int height, const std::vector<uint8_t>& pixels,
             const std::vector<uint8_t>& colormap = {}) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = format;
    image.colormap_entries = png_uint_32(colormap.size() / 3);
    png_alloc_size_t size = 0;
    const void* map = colormap.empty() ? nullptr : colormap.data();
    EXPECT_TRUE(png_image_write_get_memory_size(image, size, 0, pixels.data(), 0, map));
    Bytes bytes(size, '\0');
    EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, map));
    bytes.resize(size);
    return bytes;
}

// bytes with the image header's width and height replaced, its checksum made good again.
Bytes withSize(Bytes bytes, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        bytes[16 + i] = char(width >> (24 - 8 * i));
        bytes[20 + i] = char(height >> (24 - 8 * i));
    }
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + 12), 17);
    for (int i = 0; i < 4; ++i)
        bytes[29 + i] = char(crc >> (24 - 8 * i));
    return bytes;
}

}  // namespace

TEST(PngFile, WritesAndReadsBackExactly) {
    TempFolder folder;
    for (const PngImage& image : {testImage(), testImage(1, 1), testImage(300, 2)}) {
        const std::string path = folder.path("round.png");
        ASSERT_TRUE(writePngFile(path.c_str(), image));
        PngImage read;
        std::string reason;
        ASSERT_TRUE(readPngFile(path.c_str(), read, &reason)) << reason;
        EXPECT_EQ(read.width, image.width);
        EXPECT_EQ(read.height, image.height);
        EXPECT_TRUE(read.rgba == image.rgba) << image.width << " x " << image.height;
    }
}

// Grey, grey with alpha, RGB and palette files, 8 and 16 bits, all come out as 8-bit RGBA.
TEST(PngFile, ReadsEveryColourTypeAsRgba) {
    const std::vector<uint8_t> palette{10, 20, 30, 200, 100, 0};
    const uint8_t opaque = 255;
    struct Case {
        const char* what;
        png_uint_32 format;
        std::vector<uint8_t> pixels;
        std::vector<uint8_t> rgba;  // what the reader gives
    } cases[] = {
        {"grey", PNG_FORMAT_GRAY, {0, 128}, {0, 0, 0, opaque, 128, 128, 128, opaque}},
        {"grey and alpha", PNG_FORMAT_GA, {7, 0, 9, 255}, {7, 7, 7, 0, 9, 9, 9, 255}},
        {"rgb", PNG_FORMAT_RGB, {1, 2, 3, 4, 5, 6}, {1, 2, 3, opaque, 4, 5, 6, opaque}},
        {"palette", PNG_FORMAT_RGB_COLORMAP, {1, 0}, {200, 100, 0, opaque, 10, 20, 30, opaque}},
        {"16-bit", PNG_FORMAT_LINEAR_Y, {0, 0, 255, 255}, {0, 0, 0, opaque, 255, 255, 255, 255}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const bool mapped = c.format & PNG_FORMAT_FLAG_COLORMAP;
        const std::string path = folder.write(
            "in.png", encode(c.format, 2, 1, c.pixels, mapped ? palette : std::vector<uint8_t>()));
        PngImage read;
        ASSERT_TRUE(readPngFile(path.c_str(), read)) << c.what;
        EXPECT_EQ(read.width, 2);
        EXPECT_EQ(read.height, 1);
        EXPECT_TRUE(read.rgba == c.rgba) << c.what;
    }
}

// Each bad file is refused quickly (a read that blocked would end the test by the alarm), with
// the image left empty and a reason naming what is wrong.
TEST(PngFile, RefusesBadFilesWithAReason) {
    TempFolder folder;
    const Bytes good = encode(PNG_FORMAT_RGBA, 7, 5, testImage().rgba);
    Bytes corrupt = good;
    corrupt[corrupt.size() - 20] ^= 0x55;  // inside the image data: its checksum fails
    const std::string fifo = folder.path("fifo.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = folder.write("large.png", good);
    std::filesystem::resize_file(large, kMaxPngFileBytes + 1);  // sparse: no disk taken
    const struct {
        std::string path;
        const char* reasonWord;
    } cases[] = {
        {folder.path("missing.png"), "cannot read the file: no such file"},
        {folder.root().string(), "cannot read the file: a folder, not a file"},
        {fifo, "cannot read the file: a FIFO"},
        {"/dev/zero", "cannot read the file: a device"},
        {large, "cannot read the file: larger than the limit of 67108864 bytes"},
        {folder.write("empty.png", ""), "not a PNG"},
        {folder.write("text.png", "<dialogue/>"), "not a PNG"},
        {folder.write("signature.png", good.substr(0, 8)), "corrupt"},
        {folder.write("header.png", good.substr(0, 30)), "corrupt"},
        {folder.write("half.png", good.substr(0, good.size() / 2)), "corrupt"},
        {folder.write("checksum.png", corrupt), "corrupt PNG file: IDAT: incorrect data check"},
        {folder.write("wide.png", withSize(good, kMaxPngSide + 1, 1)), "over the limit"},
        {folder.write("tall.png", withSize(good, 1, kMaxPngSide + 1)), "over the limit"},
        {folder.write("area.png", withSize(good, kMaxPngSide, kMaxPngSide)), "over the limit"},
        {folder.write("huge.png", withSize(good, 0x7fffffff, 0x7fffffff)), "corrupt"},
        {folder.write("zero.png", withSize(good, 0, 5)), "corrupt"},
    };
    alarm(20);
    for (const auto& c : cases) {
        PngImage read = testImage();
        std::string reason;
        EXPECT_FALSE(readPngFile(c.path.c_str(), read, &reason)) << c.path;
        EXPECT_TRUE(read.width == 0 && read.height == 0 && read.rgba.empty()) << c.path;
        EXPECT_NE(reason.find(c.reasonWord), std::string::npos) << c.path << ": " << reason;
    }
    alarm(0);
}

// Reads sharing a budget: an image that would take it past its total is refused unread, with
// the figures; one that fits is read.
TEST(PngFile, ReadsWithinABudgetOfPixels) {
    TempFolder folder;
    const std::string path =
        folder.write("in.png", encode(PNG_FORMAT_RGBA, 7, 5, testImage().rgba));
    PngImage read;
    std::string reason;
    const PngPixelBudget tight{40, 6}, enough{40, 5};
    EXPECT_FALSE(readPngFile(path.c_str(), read, &reason, &tight));
    EXPECT_EQ(reason, "the image is 7 x 5 pixels; with the 6 decoded before it, that is over the "
                      "limit of 40 pixels for the pictures read together");
    EXPECT_TRUE(readPngFile(path.c_str(), read, &reason, &enough));
    EXPECT_EQ(read.rgba, testImage().rgba);
}

TEST(PngFile, RefusesToWriteInconsistentImages) {
    TempFolder folder;
    PngImage short_ = testImage();
    short_.rgba.pop_back();
    PngImage empty;
    PngImage wide{kMaxPngSide + 1, 1, std::vector<uint8_t>(size_t(kMaxPngSide + 1) * 4)};
    const std::string path = folder.path("out.png");
    const struct {
        const PngImage& image;
        std::string path;
    } cases[] = {{short_, path},
                 {empty, path},
                 {wide, path},
                 {testImage(), folder.path("no/such/folder.png")}};
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(writePngFile(c.path.c_str(), c.image, &reason)) << c.image.width;
        EXPECT_FALSE(reason.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}
