#pragma once
// Printing the drawing and copying it to the clipboard: the helpers the view's commands call.
// The drawing itself is handed in as a function that draws the whole view on a device context
// fitted into a rectangle (the view's paint routine).

#include "platform/device_context.h"
#include "platform/picture_copy.h"
#include "platform/printing.h"

#include <string>

using DrawViewFunction = platform::DrawViewFunction;

// Prints one page through the print service (the print dialog, or a PDF file when the request
// names one): margins, header with the heading, footer with date, file name and time, frame;
// the drawing is fitted between header and footer. The screen's mapping is saved before and
// restored after. False when the job could not be started or finished.
bool PrintDrawing(const platform::PrintRequest& request, const std::string& heading,
                  const std::string& fileName, const DrawViewFunction& draw);

// Copies the drawing of the view's client area (width x height pixels at ppi) to the clipboard
// as a vector picture with a bitmap, built in memory; no file is written: the picture copy
// service (platform::Services().PictureCopy()), which the user interface registers. False when
// the size is empty or nothing could be made.
bool CopyDrawingToClipboard(int width, int height, int ppi, const DrawViewFunction& draw);
