#pragma once

// The cover window's view of its picture: how far it is zoomed and where it
// was dragged, and which rectangle of the picture fills the paint box.
// `Zoom` is picture pixels per screen pixel, so a smaller zoom shows a
// larger picture.

struct TPictureRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

enum class TPointerButton { Left, Middle, Right };

class TCoverView {
public:
    static constexpr double kMinZoom = 0.02;
    static constexpr double kMaxZoom = 50.0;
    static constexpr double kWheelStep = 1.5;

    double Zoom = 1.0;
    double OffsetX = 0;
    double OffsetY = 0;

    // A new picture is shown whole and centred, touching the box on two sides.
    void Fit(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight);
    // `delta` is 120 per notch, positive when the wheel turns away from the user.
    void Wheel(int delta);

    void Press(int x, int y);
    // Follows the pointer while exactly the left or exactly the middle button
    // is held with no modifier; true when the picture moved.
    bool Move(int x, int y, bool left, bool middle, bool right, bool anyModifier);

    // The part of the picture stretched onto the whole box; it may reach
    // outside the picture.
    TPictureRect Source(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) const;

private:
    static double Limited(double zoom);

    int m_pressX = 0;
    int m_pressY = 0;
    double m_pressOffsetX = 0;
    double m_pressOffsetY = 0;
};
