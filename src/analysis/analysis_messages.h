#pragma once
// Numbered messages of the analysis/computation data: reading the "ANAlysis/computation data
// follow" block (6000-6960), checking the data (7000-7490) and the circle end points on the
// slope (8010-8260, collected in the computation message buffers). One function per number;
// functions that serve a pair take a flag first (true the first of the pair). Each returns
// whether the message reached the open "Error.log" (the collected ones return true).

#include <string>
#include <vector>

#include "core/point_xy.h"

class Cpp_AnalysisDataErrors {
public:
    // --- reading (frame line "ERROR IN ANALYSIS/COMPUTATION INPUT DATA.")
    static bool Error6000(bool f, const std::string& line);             // 6000 f(x) / 6030 g(x)
    static bool Error6010(bool f, const std::string& line);             // 6010 / 6040
    static bool Error6020(bool f, const std::string& line);             // 6020 / 6050
    static bool Error6060(bool f, int count, const std::string& line);  // 6060 / 6070
    static bool Error6080();
    static bool Error6090();
    static bool Error6100(bool f);  // 6100 / 6110
    static bool Error6120(const std::string& line);
    static bool Error6130(const std::string& line);
    static bool Error6150();
    static bool Error6160();
    static bool Error6170();
    static bool Error6180();
    static bool Error6190();
    static bool Error6200();
    static bool Error6202(const std::string& line);
    static bool Error6204(const std::string& line);
    static bool Error6210();
    static bool Error6240();
    static bool Error6250();
    static bool Error6260();
    static bool Error6270();
    static bool Error6280();
    static bool Error6290();
    static bool Error6300(const std::string& line);
    static bool Error6310(const std::string& line);
    static bool Error6320(const std::string& line);
    static bool Error6330(long pointNumber, const std::string& line);
    static bool Error6340(const std::string& line);
    static bool Error6350(const std::string& line);
    static bool Error6370(char c, const std::string& line);
    static bool Error6380();
    static bool Error6390();
    static bool Error6400(long count, const std::string& line);
    static bool Error6410(long count, const std::string& line);
    static bool Error6420();
    static bool Error6430();
    static bool Error6440(bool subtended, const std::string& line);   // 6440 / 6450
    static bool Error6460(bool increments, const std::string& line);  // 6460 / 6470
    static bool Error6480(char c, const std::string& line);
    static bool Error6490(const std::string& line);
    static bool Error6500(char c, const std::string& line);
    static bool Error6510(char c, const std::string& line);  // blank shown as words
    static bool Error6540(const std::string& line);
    static bool Error6560(const std::string& line);
    static bool Error6570(const std::string& line);
    static bool Error6580(const std::string& line);
    static bool Error6590(int count, const std::string& line);
    static bool Error6600(int count, const std::string& line);
    static bool Error6620(int count, const std::string& line);
    static bool Error6630(int count, const std::string& line);
    static bool Error6640(bool f, int count, const std::string& line);  // 6640 / 6650
    static bool Error6660(int count, const std::string& line);
    static bool Error6680(int count, const std::string& line);
    static bool Error6690(int count, const std::string& line);
    static bool Error6700(int count, const std::string& line);
    static bool Error6710(int count, const std::string& line);
    static bool Error6720(int count, const std::string& line);
    static bool Error6740(int count, const std::string& line);
    static bool Error6750(int count, const std::string& line);
    static bool Error6780(const std::string& line);
    static bool Error6790(int count, const std::string& line);
    static bool Error6800(const std::string& line);
    static bool Error6805(int count, int required, const std::string& line);
    static bool Error6830();
    static bool Error6840();
    static bool Error6850(char c, const std::string& line);  // c == 0: none given
    static bool Error6860(char c, const std::string& line);
    static bool Error6870(char c, const std::string& line);
    static bool Error6890(char c, const std::string& line);
    static bool Error6900(char c1, char c2, const std::string& line);
    static bool Error6910(char c, const std::string& line);
    static bool Error6920(const std::string& word, const std::string& line);
    // The sub-command message number for what is not an unknown word: the value line of a
    // known sub-command without a number (line given) or with a number that is no whole number
    // of the allowed range, and the end of the file in place of the value line (word given,
    // line empty) or of the next sub-command (word empty).
    static bool Error6920NoValue(const std::string& word, const std::string& line);
    static bool Error6920NotAWholeNumber(const std::string& word, const std::string& line);
    static bool Error6920EndOfFile(const std::string& word);
    static bool Error6940(long count, const std::string& line);
    static bool Error6950(long count, const std::string& line);
    static bool Error6960(long count, const std::string& line);
    // Only the input line, without a number: a refinement line of too few values or with an
    // option other than 1 to 3.
    static bool BadRefinementOption(const std::string& line);

    // --- checking
    static bool Error7000(bool entire, double minimum, double maximum);
    static bool Error7010(bool start, double value);  // 7010 / 7020
    static bool Error7030(double radius);
    static bool Error7040();
    // Mode 5 (interactive circles) under the number of the unusable mode.
    static bool Error7040Interactive();
    static bool Error7050(double radius);
    static bool Error7060(double spacing);
    static bool Error7070(bool initial, double distance);  // 7070 / 7080
    static bool Error7090(double startY, double lowestY);
    static bool Error7100(double x, double y);
    static bool Error7110(int sideA, int sideB);
    static bool Error7120(long across, long up);
    static bool Error7130(double increment);
    static bool Error7140(long number, long largest);
    static bool Error7150();
    static bool Error7160(double finalDistance, double initialDistance);
    static bool Error7170(double steepness);
    static bool Error7180(bool low, double steepness, double limit);  // 7180 / 7190
    static bool Error7200(double minimumWeight, double factor);
    static bool Error7210();
    static bool Error7220(double depth);
    static bool Error7230(double depth);
    static bool Error7240(double unitWeight);
    static bool Error7250();
    static bool Error7260(double angleDegrees, double length);
    static bool Error7270(long pointNumber);  // point 1: 7270, else 7280
    static bool Error7290(long pointNumber);  // point 1: 7290, else 7300
    // Duplicate points; deleted: warning 7320, else error 7310.
    static bool Error7310(bool deleted, long n1, double x1, double y1, long n2, double x2,
                          double y2);
    static bool Error7330(long n1, double x1, double y1, long n2, double x2, double y2);
    static bool Error7340(bool leftOutside, bool rightOutside);  // 7340 / 7350 / 7360
    static bool Error7370(const std::vector<s_tagTypePointXY>& points);
    static bool Error7380();
    static bool Error7390();
    static bool Error7400(long pointNumber, double x1, double y1, double x2, double y2);
    // Points out of order: 7420 not reversed, 7430 reversed.
    static bool Error7420(long pointNumber, double x1, double y1, double x2, double y2);
    static bool Warning7430(long pointNumber, double x1, double y1, double x2, double y2);
    static bool Error7450(bool absolute);  // 7450 / 7460
    static bool Error7470(double minimumWeight);
    static bool Error7480(bool absolute);  // 7480 / 7490

    // --- circle and slope intersections (collected, not written)
    static bool Notice8010(long intersections, long segments);
    static bool Notice8070();
    static bool Error8100();
    static bool Notice8140(long intersections);
    static bool Warning8220(long intersections, long segments, long valid);
    static bool Notice8230(long intersections, long segments);
    static bool Notice8240(long intersections);
    // At most 15 of the points are listed; total is the number found.
    static bool Warning8260(const std::vector<s_tagTypePointXY>& points, long total);
};
