// Images: a PNG written by the test shown scaled into the element with its u and v, and
// missing or bad files reported and drawn as a plain quad, through the dialogue loader.
#include "trellis/gui/Image.h"
#include "files/PngFile.h"
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"

#include <GL/gl.h>
#include <fstream>

using namespace trellis;

namespace {

const Color red{{255, 0, 0, 255}}, green{{0, 255, 0, 255}}, blue{{0, 0, 255, 255}},
    white{{255, 255, 255, 255}}, grey{{100, 100, 100, 255}};

}  // namespace

class ImageScene : public RoutedScene {
protected:
    // An image loaded from a dialogue in the folder, naming src, placed at (100, 100) 40 x 40 px
    // in colour; null if none was built.
    Image* load(const std::string& src, Color colour) {
        std::vector<GuiElement*> built;
        const std::string path = folder.write("d.xml", "<image name='i' src='" + src + "'/>");
        if (!loadDialogue(path.c_str(), root, built) || built.size() != 1)
            return nullptr;
        Image* image = dynamic_cast<Image*>(built[0]);
        if (image) {
            image->setRect(px(100), px(100), px(40), px(40));
            image->bgColor = colour;
        }
        return image;
    }
    std::vector<Color> corners() {
        drawn();
        return {pixel(100, 100), pixel(139, 100), pixel(100, 139), pixel(139, 139)};
    }
    TempFolder folder;
};

// A 2 x 2 picture (red, green over blue, white), named relative to the dialogue's folder, fills
// the element; each corner pixel shows its texel. u0 = 0.75 shows the right column only. The
// texture bound before drawing is bound again after.
TEST_F(ImageScene, ShowsThePictureScaledWithItsTextureCoordinates) {
    PngImage png{2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255}};
    ASSERT_TRUE(writePngFile(folder.path("p.png").c_str(), png));
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

// A missing file, a file that is no PNG, a truncated PNG and a folder each give one warning on
// "src", and the element draws as a plain quad of its colour.
TEST_F(ImageScene, BadPicturesAreReportedAndDrawnAsPlainQuads) {
    PngImage png{4, 4, std::vector<uint8_t>(64, 200)};
    ASSERT_TRUE(writePngFile(folder.path("good.png").c_str(), png));
    std::string bytes;
    std::getline(std::ifstream(folder.path("good.png"), std::ios::binary), bytes, '\0');
    folder.write("cut.png", bytes.substr(0, bytes.size() / 2));
    folder.write("text.png", "this is no picture");
    for (const std::string name : {"missing.png", "text.png", "cut.png", "."}) {
        DiagnosticCollector collected;
        Image* image = load(name, grey);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_FALSE(image->hasPicture());
        ASSERT_EQ(collected.diagnostics().size(), 1u) << name;
        EXPECT_NE(collected.diagnostics()[0].message.find("\"src\""), std::string::npos);
        EXPECT_EQ(boxOf(drawn(), grey), solidBox(100, 100, 140, 140)) << name;
        delete image;
    }
}
