#pragma once

class TForm1;

// Prints when the window was first shown (milliseconds since the epoch, so a script can add the
// time the process needed to start) and how long a full refresh takes.
void PrintStartupTiming(TForm1& window);
