#pragma once
// Reinforcement lines made by the generation from nails and geogrids, before they are moved
// into the data set's reinforcement line list.

#include <string>
#include <vector>

struct s_ReinforcementLinePtType {
    double x = 0.0;
    double y = 0.0;
    double longitudinalForce = 0.0;
    double transverseForce = 0.0;
};

struct s_GeneratedReinforcementLine {
    int number = 0;
    std::string description;
    double angle = 0.0;
    int option = 1;
    std::vector<s_ReinforcementLinePtType> points;
};
