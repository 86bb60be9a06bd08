// What the parts of the editing benchmark share: the clock, medians, the
// envs they open, and a click timed in the real window as the program's
// message loop would handle it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/env_text.h"

namespace keyloom::bench {

double Now();
double Median(std::vector<double> values);
void PrintFigure(const char* what, const std::string& where, double milliseconds);
void PrintRatio(const char* what, const std::string& where, double measured, double floor,
                double goal);

// Hotkeys of the shapes an Allegro env holds, in Keyloom's own layout when
// composed: function keys with and without modifiers, commands of a few
// words, some duplicates.
std::vector<HotkeyEntry> MakeRows(int count);

// Envs of the kind users keep (comments, settings, alias and every tenth a
// funckey line, Allegro's section): with this many hotkeys, or of at least
// this many bytes, or with one comment line of this many bytes.
std::string EnvOfHotkeys(int hotkeys);
std::string EnvOfBytes(std::size_t bytes);
std::string EnvWithLongLine(std::size_t lineBytes);

// A click on a control, posted as the user's would be, with an input
// message queued right behind it; the loop then runs as the program's does
// until the window has answered that input and has nothing left to do
// (painting included).
struct ClickTiming {
    double answered = 0;     // until the message behind the click came through
    double idle = 0;         // until nothing was left to handle
    double longestTurn = 0;  // the longest time a single message kept the loop
};
ClickTiming TimeClick(HWND control);
// The same for an action of the window of its own (Ctrl+Z's undo, say),
// posted to the window's thread as a key's would come.
ClickTiming TimeWindowEvent(int event);

// Ticks of a 10 ms thread timer, which the window can only handle between
// its messages: how often it got its turn while something ran.
class TurnCounter {
public:
    TurnCounter();
    ~TurnCounter();
    void Start();
    void Stop();
    int Turns() const;
    double LongestWait() const;
};

}  // namespace keyloom::bench
