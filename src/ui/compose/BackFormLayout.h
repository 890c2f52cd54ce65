#pragma once

// Where the reply window's resizable controls go for an outer size in twips.
struct BackFormLayout {
    int bodyWidth;
    int bodyHeight;  // never negative
    int toWidth;
    int subjectWidth;
    int attachWidth;
    int attachButtonLeft;
    int addButtonLeft;
    int removeButtonLeft;

    static BackFormLayout compute(int windowWidth, int windowHeight, int boxHeight = 300);
};
