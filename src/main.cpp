#include "driver/run.h"

int main(int argc, char** argv) {
  return vocarn::run_tool(argc, argv);
}
