#include "program/CoverNames.h"
#include "program/CoverView.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string kCovers = "/home/me/Korvalen/Covers/";

TEST(CoverNames, PicturesInsideTheCoversFolderAreStoredRelativeWithBackslashes) {
    EXPECT_EQ(CoverNameFor(kCovers + "front.jpg", kCovers), "front.jpg");
    EXPECT_EQ(CoverNameFor(kCovers + "Live 1995/back.JPG", kCovers), "Live 1995\\back.JPG");
    EXPECT_EQ(CoverNameFor(kCovers + "a/b/c.bmp", kCovers), "a\\b\\c.bmp");
    // Only a folder inside the covers folder counts, not one that merely contains its path.
    EXPECT_EQ(CoverNameFor("/mnt/backup" + kCovers + "x.jpg", kCovers), "/mnt/backup" + kCovers + "x.jpg");
    EXPECT_EQ(CoverNameFor("/home/me/Korvalen/Covers2/x.jpg", kCovers), "/home/me/Korvalen/Covers2/x.jpg");
    EXPECT_EQ(CoverNameFor("/elsewhere/x.jpg", kCovers), "/elsewhere/x.jpg");
}

TEST(CoverNames, NamesWithoutADriveAreLookedForInTheCoversFolder) {
    EXPECT_EQ(ResolveCoverName("front.jpg", kCovers), kCovers + "front.jpg");
    EXPECT_EQ(ResolveCoverName("Live 1995\\back.jpg", kCovers), kCovers + "Live 1995/back.jpg");
    EXPECT_EQ(ResolveCoverName("./here.jpg", kCovers), kCovers + "./here.jpg");
    EXPECT_EQ(ResolveCoverName("/elsewhere/x.jpg", kCovers), "/elsewhere/x.jpg");
    EXPECT_EQ(ResolveCoverName("C:\\Covers\\x.jpg", kCovers), "C:/Covers/x.jpg");
    EXPECT_EQ(ResolveCoverName("\\\\server\\share\\x.jpg", kCovers), "//server/share/x.jpg");
    for (const std::string& path : {kCovers + "x.jpg", kCovers + "sub/y.bmp", std::string("/elsewhere/z.jpeg")})
        EXPECT_EQ(ResolveCoverName(CoverNameFor(path, kCovers), kCovers), path);
}

TEST(CoverNames, PictureExtensionsInAnyCase) {
    for (const char* name : {"a.jpg", "a.JPG", "a.jpeg", "a.JpEg", "a.bmp", "a.BMP", "dir.jpg/a.bmp"})
        EXPECT_TRUE(IsPictureName(name)) << name;
    for (const char* name : {"a.png", "a", "a.jpg.txt", "jpg", "a.jpg/b", ".bmpx"})
        EXPECT_FALSE(IsPictureName(name)) << name;
    EXPECT_TRUE(IsJpegName("x.JPEG"));
    EXPECT_FALSE(IsJpegName("x.bmp"));
}

TEST(CoverView, FitsANewPictureWholeWithinTheZoomLimits) {
    TCoverView view;
    view.OffsetX = 12;
    view.Fit(632, 465, 300, 300);
    EXPECT_DOUBLE_EQ(view.Zoom, 300.0 / 465.0);
    EXPECT_EQ(view.OffsetX, 0);
    view.Fit(632, 465, 1, 1);
    EXPECT_DOUBLE_EQ(view.Zoom, 0.02);
    view.Fit(632, 465, 100000, 1);
    EXPECT_DOUBLE_EQ(view.Zoom, 50);
}

TEST(CoverView, EachWheelNotchZoomsByOneAndAHalf) {
    TCoverView view;
    view.Wheel(120);
    EXPECT_NEAR(view.Zoom, 2.0 / 3.0, 1e-12);
    view.Zoom = 1;
    view.Wheel(-240);
    EXPECT_NEAR(view.Zoom, 2.25, 1e-12);
    for (int i = 0; i < 40; ++i)
        view.Wheel(-120);
    EXPECT_DOUBLE_EQ(view.Zoom, 50);
}

TEST(CoverView, TheFittedPictureFillsTheBoxHeightCentred) {
    TCoverView view;
    view.Fit(632, 465, 300, 300);
    const TPictureRect s = view.Source(632, 465, 300, 300);
    // 632 * 300 / 465 is 408 wide, rounded.
    EXPECT_EQ(std::vector<int>({s.Left, s.Top, s.Width, s.Height}), std::vector<int>({(300 - 408) / 2, 0, 408, 300}));
}

TEST(CoverView, OnlyAPlainLeftOrMiddleDragMovesThePictureOnePixelPerPixel) {
    struct TCase {
        bool Left, Middle, Right, Modifier, Moves;
    };
    const TCase cases[] = {{true, false, false, false, true},  {false, true, false, false, true},
                           {true, false, false, true, false},  {false, false, true, false, false},
                           {true, true, false, false, false},  {true, false, true, false, false},
                           {false, false, false, false, false}};
    for (const TCase& c : cases) {
        TCoverView view;
        view.Zoom = 3;
        view.OffsetX = 5;
        view.Press(100, 100);
        EXPECT_EQ(view.Move(130, 90, c.Left, c.Middle, c.Right, c.Modifier), c.Moves);
        EXPECT_EQ(view.OffsetX, c.Moves ? 35 : 5);
        EXPECT_EQ(view.OffsetY, c.Moves ? -10 : 0);
    }
    TCoverView view;
    view.Zoom = 2;
    view.Press(0, 0);
    view.Move(10, 0, true, false, false, false);
    // Ten screen pixels right are twenty picture pixels at zoom 2.
    EXPECT_EQ(view.Source(100, 100, 400, 400).Left, (400 - 200) / 2 - 20);
}

} // namespace
