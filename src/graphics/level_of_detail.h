#pragma once
// The level of detail of dense figures. While the view draws the picture it shows, figures
// that a pixel cannot tell apart may be drawn once (point symbols covering each other, triangle
// edges within one pixel); everywhere else (a printed page, the clipboard picture) everything is
// drawn exactly.
//
//     { Cpp_PixelDetail detail; DrawTheData(); }   // the view's picture only

// True while a Cpp_PixelDetail exists.
bool DrawingAtPixelDetail();

class Cpp_PixelDetail {
public:
    Cpp_PixelDetail();
    ~Cpp_PixelDetail();
    Cpp_PixelDetail(const Cpp_PixelDetail&) = delete;
    Cpp_PixelDetail& operator=(const Cpp_PixelDetail&) = delete;

private:
    bool previous_;
};
