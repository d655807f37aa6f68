// Images: a PNG written by the test shown scaled into the element with its u and v, and
// missing or bad files reported and drawn as a plain quad, through the dialogue loader.
#include "trellis/gui/Image.h"
#include "files/PngFile.h"
#include "gui/look/PictureLoad.h"
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/shell/WindowShell.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <fstream>
#include <iterator>

using namespace trellis;

namespace {

const Color red{{255, 0, 0, 255}}, green{{0, 255, 0, 255}}, blue{{0, 0, 255, 255}},
    white{{255, 255, 255, 255}}, grey{{100, 100, 100, 255}};

}  // namespace

class ImageScene : public RoutedScene {
protected:
    // An image loaded from a dialogue in the scratch folder, naming src, placed at (100, 100)
    // 40 x 40 px in colour; null if none was built.
    Image* load(const std::string& src, Color colour) {
        const std::vector<GuiElement*> built = loadText("<image name='i' src='" + src + "'/>");
        if (built.size() != 1)
            return nullptr;
        Image* image = dynamic_cast<Image*>(built[0]);
        if (image) {
            image->setRect(px(100), px(100), px(40), px(40));
            image->bgColor = colour;
        }
        return image;
    }
    // Writes p.png in the scratch folder: 2 x 2 pixels, red and green over blue and white.
    void writeCornersPicture() {
        PngImage png{2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255}};
        ASSERT_TRUE(writePngFile(scratch.path("p.png").c_str(), png));
    }
    std::vector<Color> corners() {
        drawn();
        return {pixel(100, 100), pixel(139, 100), pixel(100, 139), pixel(139, 139)};
    }
};

// A 2 x 2 picture (red, green over blue, white), named relative to the dialogue's folder, fills
// the element; each corner pixel shows its texel. u0 = 0.75 shows the right column only. The
// texture bound before drawing is bound again after.
TEST_F(ImageScene, ShowsThePictureScaledWithItsTextureCoordinates) {
    writeCornersPicture();
    Image* image = load("p.png", white);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(std::pair(image->pictureWidth, image->pictureHeight), std::pair(2, 2));
    glBindTexture(GL_TEXTURE_2D, textureName);
    EXPECT_EQ(litBox(drawn()), solidBox(100, 100, 140, 140));
    EXPECT_EQ(corners(), (std::vector{red, green, blue, white}));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), textureName);
    image->u0 = 0.75f;  // the centre of the right column: no blending with the left
    EXPECT_EQ(corners(), (std::vector{green, green, white, white}));
}

// A missing file, a file that is no PNG, a truncated PNG, a folder and no file at all each give
// one warning on "src" saying exactly what is wrong, and the element draws as a plain quad of its
// colour.
TEST_F(ImageScene, BadPicturesAreReportedAndDrawnAsPlainQuads) {
    PngImage png{4, 4, std::vector<uint8_t>(64, 200)};
    ASSERT_TRUE(writePngFile(scratch.path("good.png").c_str(), png));
    std::ifstream written(scratch.path("good.png"), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(written), {}};
    scratch.write("cut.png", bytes.substr(0, bytes.size() / 2));
    scratch.write("text.png", "this is no picture");
    const struct {
        std::string src;
        const char* reason;
    } cases[] = {
        {"missing.png", "cannot read the file: no such file"},
        {"text.png", "not a PNG file"},
        {"cut.png", "corrupt PNG file: "},
        {".", "cannot read the file: a folder, not a file"},
        {"", "\"src\" on <image name=\"i\">: is empty"},
    };
    for (const auto& c : cases) {
        DiagnosticCollector collected;
        Image* image = load(c.src, grey);
        ASSERT_NE(image, nullptr) << c.src;
        EXPECT_FALSE(image->hasPicture());
        ASSERT_EQ(collected.diagnostics().size(), 1u) << c.src;
        EXPECT_NE(collected.diagnostics()[0].message.find(c.reason), std::string::npos)
            << collected.diagnostics()[0].message;
        EXPECT_EQ(boxOf(drawn(), grey), solidBox(100, 100, 140, 140)) << c.src;
        delete image;
    }
    DiagnosticCollector collected;
    loadText("<image/>");
    ASSERT_EQ(collected.diagnostics().size(), 1u);
    EXPECT_NE(collected.diagnostics()[0].message.find("\"src\" on <image>: is missing"),
              std::string::npos)
        << collected.diagnostics()[0].message;
}

// Fifty images naming one file read it once and make one texture between them, and each shows
// the picture.
TEST_F(ImageScene, ImagesNamingOneFileShareOneTexture) {
    writeCornersPicture();
    const std::string many = "<image src='p.png' bgColor='ffffffff'/>";
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += many;
    const long long before = pictureFilesRead();
    const std::vector<GuiElement*> built = loadText(text);
    EXPECT_EQ(pictureFilesRead() - before, 1);
    ASSERT_EQ(built.size(), 50u);
    for (size_t i = 0; i < built.size(); ++i)
        built[i]->setRect(px(20 * int(i)), px(200), px(20), px(20));
    // Texture names in use before and after the first frame: they differ by the pictures' one.
    const auto textures = [] {
        int count = 0;
        for (GLuint name = 1; name < 1000; ++name)
            count += glIsTexture(name) ? 1 : 0;
        return count;
    };
    const int texturesBefore = textures();
    drawn();
    EXPECT_EQ(textures() - texturesBefore, 1);
    for (int i : {0, 17, 49})
        EXPECT_EQ((std::vector{pixel(20 * i, 200), pixel(20 * i + 19, 219)}),
                  (std::vector{red, white}))
            << i;
}

// A picture drawn in a second context, which shares nothing with the first, gets a texture of
// its own there: both show it.
TEST_F(ImageScene, APictureShowsInEveryContext) {
    writeCornersPicture();
    ASSERT_NE(load("p.png", white), nullptr);
    EXPECT_EQ(corners(), (std::vector{red, green, blue, white}));
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    hintWindowFormat();
    GLFWwindow* other = glfwCreateWindow(kTestWindowWidth, kTestWindowHeight, "", nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    glfwMakeContextCurrent(other);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    EXPECT_EQ(corners(), (std::vector{red, green, blue, white}));
    glfwMakeContextCurrent(window);
    glfwDestroyWindow(other);
    EXPECT_EQ(corners(), (std::vector{red, green, blue, white}));
}
