#pragma once

#include <QString>

#include <functional>

// The fortune a sender may append for close friends: a preface and one of
// twelve texts, each equally likely.
namespace Fortune {

constexpr int kCount = 12;

extern const QString FortunePreface;
// FortuneTable[n] for n from 1 to 12.
const QString &FortuneTable(int n);

// A draw from [0, 1). The default is seeded from the time of day at every draw;
// tests install a fixed one.
using RandomSource = std::function<float()>;
void setRandomSource(RandomSource source);
float draw();

// The fortune number 1 to 12 for a draw r0 from [0, 1).
int numberFor(float r0);

// What a pass appends to the body: two line breaks, the preface, two line
// breaks and fortune n.
QString block(int n);

} // namespace Fortune
