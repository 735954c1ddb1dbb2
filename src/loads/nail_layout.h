#pragma once
// One nail layout: a row of equally spaced nails down a slope face.

#include <cstdio>

// One page of the nail layout sheet: a layout slot as the sheet shows it.
struct s_NailLayoutPage {
    int nailType = 0;  // 0 "No bar type - Layout not used.", k the k-th nail type
    int face = 0;      // 0 left, 1 right
    int unit = -1;     // length unit index, -1 none
    bool sameAsVertical = false;
    double horizontalSpacing = 0.0;
    int option = 0;
    int numberOfNails = 0;
    double verticalSpacing = 0.0;
    double topY = 0.0;
    double topDistance = 0.0;
    double bottomY = 0.0;
    double bottomDistance = 0.0;
    double inclination = 0.0;  // degrees below the horizontal
    double length = 0.0;
};

class Cpp_NailLayout {
public:
    // The vertical layout options.
    enum {
        ByTopCountSpacing = 0,
        ByBottomCountSpacing = 1,
        ByTopBottomCount = 2,
        ByTopBottomSpacing = 3
    };

    // Property-set number: 0 the slot is not in use, k >= 1 property set k.
    int propertySet = 0;
    // 0: the slope faces left (nails run toward +x); 1: faces right (toward -x).
    int facing = 0;
    // Unit shown by the layout dialog only.
    int dialogLengthUnit = 0;
    double horizontalSpacing = 0.0;
    bool sameAsVertical = false;
    int verticalOption = ByTopCountSpacing;
    int numberOfNails = 0;
    double verticalSpacing = 0.0;
    double topOfSlope = 0.0;
    double distanceFromTop = 0.0;
    double bottomOfSlope = 0.0;
    double distanceFromBottom = 0.0;
    // Degrees downward from the horizontal.
    double inclination = 0.0;
    double nailLength = 0.0;

    bool IsActive() const { return propertySet > 0; }

    // The vertical spacing s and number of nails n of the row. Option 2 derives the spacing
    // from the two elevations and the count (0 for a single nail). False for an option outside
    // 0..3, or when the row cannot be laid out (a spacing of 0 or less with option 3, a count
    // below 1 with option 2).
    bool GetSpacingAndCount(double& s, int& n) const;
    // Elevation of the highest nail; false when GetSpacingAndCount fails.
    bool GetTopNailElevation(double& y) const;
    double GetHorizontalSpacing() const;
    // Inclination in radians.
    double GetInclination() const;

    // The page of the layout sheet that shows the slot: an unused slot gives only its type 0,
    // option 0 and the left face.
    s_NailLayoutPage ToDialogData() const;
    // The slot from its page: a page without a nail type (0 or less) sets only the type.
    void FromDialogData(const s_NailLayoutPage& page);

    // The seven lines of the layout in the document.
    void WriteKLIVEN4InputDataFile(std::FILE* file) const;
};
