#pragma once
// The drawing state of the program: the device context every drawing routine draws on, the
// output mode (screen or printer) and the mapping between world coordinates (length units,
// y upwards) and device pixels (y downwards). All members are static.
//
// Lines are clipped in world coordinates to a padded viewport before they are converted
// (ClipSegment, WorldPolylineToPixels), so a line leaving the view at a high zoom keeps its
// direction; the clamp of a pixel coordinate to plus or minus 32000 is only a last guard.

#include "core/dialog_slot.h"
#include "core/world_rect.h"
#include "platform/device_context.h"

#include <functional>
#include <string>
#include <vector>

struct s_ViewRecordType;  // a saved view (graphics/views.h)

class Cpp_Graphics {
public:
    class Exc_NULLDeviceContext {};
    class Exc_ScaleFactorNotSet {};
    class Exc_LargestValueNotSet {};

    static constexpr int kOutputScreen = 3;
    static constexpr int kOutputPrinter = 4;
    static constexpr int kOutputDxf = 5;
    static constexpr int kPixelClamp = 32000;

    using WorldRect = s_WorldRect;

    // Drawing done on the view outside painting (DrawOverlay).
    using OverlayDrawing = std::function<void(platform::DeviceContext&)>;
    // A change of the data drawn in place on the view's kept picture of the data; it answers
    // the client pixels it touched.
    using PictureDrawing = std::function<platform::DeviceRect(platform::DeviceContext&)>;

    // The window whose client area is drawn (the view); the shell registers it.
    class ViewWindow {
    public:
        virtual ~ViewWindow() = default;
        virtual platform::DeviceRect ClientRect() const = 0;
        virtual int PixelsPerInchX() const = 0;
        virtual int PixelsPerInchY() const = 0;
        // Draws on the picture the view shows now, between paints (selection marks, rubber
        // bands, tool feedback). The device context starts in the exclusive-or raster mode, so
        // inverting drawing done twice leaves the picture as it was. Only the client pixels in
        // `touched` are shown again now; everything drawn must lie inside it. Answers false,
        // drawing nothing, when the window cannot draw between paints (the default).
        virtual bool DrawOverlay(const platform::DeviceRect& touched, const OverlayDrawing& draw) {
            (void)touched;
            (void)draw;
            return false;
        }
        // Draws on the kept picture of the data instead of drawing it again whole: the device
        // context is in the copy raster mode and clipped to where the data are drawn; only the
        // client pixels the drawing answers are shown again now. Answers false, calling nothing,
        // when the window keeps no picture that is up to date (the default): the caller changes
        // its data without drawing and has the whole picture drawn again.
        virtual bool DrawOnPicture(const PictureDrawing& draw) {
            (void)draw;
            return false;
        }
    };

    // A drawing source whose arrows are scaled with the mapping (loads, reinforcement forces,
    // result displays). Registered by their owners in the order of recomputation.
    class ScaleParticipant {
    public:
        virtual ~ScaleParticipant() = default;
        virtual bool RecomputeScale(int unitSystem) = 0;
        virtual void SaveScale() {}
        virtual void RestoreScale() {}
    };

    // The "Window Bounds" dialog: filled with the world window and the explicit-window mode,
    // answers false on Cancel. Its window is registered in WindowBoundsDialogSlot(); the
    // stand-in cancels.
    struct WindowBoundsRecord {
        double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
        int mode = 0;
    };
    class WindowBoundsDialog {
    public:
        virtual ~WindowBoundsDialog() = default;
        virtual bool Run(WindowBoundsRecord& record) = 0;
    };
    static DialogSlot<WindowBoundsDialog>& WindowBoundsDialogSlot();

    // Set-up and state.
    static platform::DeviceContext* SetCurrentDC(platform::DeviceContext* dc);
    static platform::DeviceContext* GetCurrentDC() { return dc_; }
    static void SetOutputMode(int mode) { outputMode_ = mode; }
    static int OutputMode() { return outputMode_; }
    static void SetWindowPointer(ViewWindow* window) { window_ = window; }
    static ViewWindow* WindowPointer() { return window_; }
    // DrawOverlay on the registered view, with the overlay's device context current and the
    // screen output mode for the time of the call (both restored after). False without a view
    // or when the view cannot draw between paints.
    static bool DrawOnView(const platform::DeviceRect& touched, const OverlayDrawing& draw);
    // DrawOnPicture on the registered view, with its device context current for the screen for
    // the time of the call. False (draw not called) without a view or a picture up to date.
    static bool DrawOnPicture(const PictureDrawing& draw);
    static void InvalidateScale() { stale_ = true; }
    static bool ScaleIsStale() { return stale_; }
    static bool SetScaleToFit(int unitSystem, double left, double right, double bottom, double top,
                              int ppiX, int ppiY);
    static bool SetWindowCoordinates(ViewWindow* window, double xmin, double xmax, double ymin,
                                     double ymax, int unitSystem);
    static bool SetDisplayBounds(ViewWindow* window, int unitSystem);
    static void SetExplicitWindowMode(int mode) { explicitMode_ = mode; }
    static int ExplicitWindowMode() { return explicitMode_; }
    static void SetWindow(double xmin, double xmax, double ymin, double ymax);
    static void SetWindowFromPixels(int px1, int py1, int px2, int py2);
    static WorldRect GetWindow() { return world_; }
    static void WindowToDataExtents();
    static void SetDataRangeX(double min, double max);
    static void SetDataRangeY(double min, double max);
    static void ExtendDataRange(double x, double y);
    static void ExtendDataRangeAxis(double value, bool isX);
    static void GetDataRange(double& min, double& max, bool isX);
    static void GetDataExtents(double& xmin, double& xmax, double& ymin, double& ymax);
    static void GetVisibleRange(double& min, double& max, bool isX);
    static WorldRect GetVisibleWindow() { return visible_; }
    static double VisibleYMin() { return visible_.ymin; }
    static bool IsVisible(double x, double y);
    static platform::DeviceRect GetDrawingArea();
    static void SetPrintRects(int left, int top, int right, int bottom);
    static platform::DeviceRect GetPageRect() { return pageRect_; }
    static platform::DeviceRect GetClipRect() { return clipRect_; }
    static bool BlackAndWhite() { return blackAndWhite_; }
    static void SetBlackAndWhite(bool on) { blackAndWhite_ = on; }
    static void SetStartupFlag(bool flag) { startup_ = flag; }
    static bool StartupFlag() { return startup_; }

    // The mapping itself.
    static double XScale() { return xScale_; }
    static double YScale() { return yScale_; }
    static double XOffset() { return xOffset_; }
    static double YOffset() { return yOffset_; }

    // Conversions on the current mapping.
    static int XToPixel(double x);
    static int YToPixel(double y);
    static platform::DevicePoint WorldToPixel(double x, double y);
    static platform::DevicePoint WorldToPixelShort(double x, double y) {
        return WorldToPixel(x, y);
    }
    static double PixelToX(double px);
    static double PixelToY(double py);
    static void PixelToWorldPoint(double px, double py, double& x, double& y);
    static double PixelsToWorldLength(double d);
    static double PixelsToWorldLengthX(double n);
    static double PixelsToWorldLengthY(double n);
    static int WorldLengthToPixelsX(double d);
    static int WorldLengthToPixelsY(double d);
    static double InchesToPixels(double inches);
    static double InchesToPixelsOnDC(const platform::DeviceContext& dc, double inches);
    static double InchesToWorldLength(double inches);
    static double MillimetresToPixels(const platform::DeviceContext& dc, double mm);
    static double PixelsToInches(double n);
    static int PixelsPerInch(const platform::DeviceContext* dc, bool horizontal);
    static int DisplayPixelsToDisplayInches(bool horizontal);
    static double ScreenMagnification() { return screenMagnification_; }

    // Clipping in world coordinates. The clip box is the current device's page (or the fitted
    // drawing area when there is no device) padded by kClipPadPixels, as a world box.
    static constexpr int kClipPadPixels = 64;
    static WorldRect ClipBox();
    // Cuts the segment to the box; false when nothing of it lies inside. t0 and t1 receive the
    // segment parameters of the kept part.
    static bool ClipSegment(const WorldRect& box, double& x1, double& y1, double& x2, double& y2,
                            double* t0 = nullptr, double* t1 = nullptr);
    // A world polyline as pixel polylines: the runs of the polyline that lie in the clip box.
    static std::vector<std::vector<platform::DevicePoint>>
    WorldPolylineToPixels(const std::vector<double>& xs, const std::vector<double>& ys);

    // A closed world polygon cut to the clip box (Sutherland-Hodgman) and converted; empty when
    // nothing of it is inside.
    static std::vector<platform::DevicePoint> WorldPolygonToPixels(const std::vector<double>& xs,
                                                                   const std::vector<double>& ys);

    // Navigation.
    static void ZoomInAt(double x, double y);
    static void ZoomOutAt(double x, double y);
    static void ZoomAtPixel(bool zoomIn, double px, double py);
    static void PanWindow(double x1, double y1, double x2, double y2);
    static void ScrollPixels(int dx, int dy);
    static void SaveScaleState();
    static void RestoreScaleState();
    static void GetViewRecord(s_ViewRecordType& view);
    static void SetScaleState(double xmin, double xmax, double ymin, double ymax, double xOffset,
                              double xScale, double yOffset, double yScale, double visXmin,
                              double visXmax, double visYmin, double visYmax);

    // The largest load or force value that arrows are scaled to: kind 2 distributed load, 3 line
    // load, 4 reinforcement force. The dialog gets the label and the value and answers false on
    // Cancel; its window is registered in LargestValueDialogSlot(), the stand-in cancels.
    class LargestValueDialog {
    public:
        virtual ~LargestValueDialog() = default;
        virtual bool Run(const std::string& label, double& value) = 0;
    };
    static DialogSlot<LargestValueDialog>& LargestValueDialogSlot();
    static bool GetLargestValueForScaling(int kind, double& value);
    // The scaling dialog of a selected load or force diagram (selection types 36, 38, 39
    // distributed loads; 62, 64 line loads; 98, 100, 102, 104 reinforcement forces), registered
    // in ScalingEditorSlot() by the loads: true when it changed the scaling, which makes the next
    // paint refit. The stand-in changes nothing.
    class ScalingEditor {
    public:
        virtual ~ScalingEditor() = default;
        virtual bool Edit(int selectionType) = 0;
    };
    static DialogSlot<ScalingEditor>& ScalingEditorSlot();
    static bool EditScalingForSelection(int selectionType);

    // Arrow scaling participants (loads, reinforcement, result displays).
    static void AddScaleParticipant(ScaleParticipant* participant);

    // Back to the state before the view's first set-up (tests).
    static void Reset();

private:
    static bool RecomputeArrowScales(int unitSystem);

    static platform::DeviceContext* dc_;
    static ViewWindow* window_;
    static int outputMode_;
    static WorldRect data_;
    static WorldRect world_;
    static WorldRect visible_;
    static double xScale_, yScale_, xOffset_, yOffset_;
    static bool stale_;
    static int explicitMode_;
    static double originX_, originY_;
    static platform::DeviceRect drawingArea_;
    static platform::DeviceRect pageRect_;
    static platform::DeviceRect clipRect_;
    static double zoomFactor_;
    static double screenMagnification_;
    static bool startup_;
    static bool blackAndWhite_;
    static std::vector<ScaleParticipant*> participants_;

    struct SavedState {
        platform::DeviceRect drawingArea;
        WorldRect world;
        double xScale = 1, yScale = 1, xOffset = 0, yOffset = 0;
    };
    static SavedState saved_;
};

// Makes a device context current for the life of the object, with an output mode.
class Cpp_ScopedGraphicsDC {
public:
    Cpp_ScopedGraphicsDC(platform::DeviceContext& dc, int outputMode)
        : previous_(Cpp_Graphics::SetCurrentDC(&dc)), previousMode_(Cpp_Graphics::OutputMode()) {
        Cpp_Graphics::SetOutputMode(outputMode);
    }
    ~Cpp_ScopedGraphicsDC() {
        Cpp_Graphics::SetCurrentDC(previous_);
        Cpp_Graphics::SetOutputMode(previousMode_);
    }
    Cpp_ScopedGraphicsDC(const Cpp_ScopedGraphicsDC&) = delete;
    Cpp_ScopedGraphicsDC& operator=(const Cpp_ScopedGraphicsDC&) = delete;

private:
    platform::DeviceContext* previous_;
    int previousMode_;
};
