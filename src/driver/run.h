// The entry point's work: recognise the command, run one mode, print its
// report or its error text, and give the exit status (0, or -1 on failure).
#pragma once

namespace vocarn {

int run_tool(int argc, char** argv);

}  // namespace vocarn
