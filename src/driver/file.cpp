#include "driver/file.h"

#include <sys/stat.h>

namespace vocarn {

bool same_file(const char* a, const char* b) {
  struct stat first;
  struct stat second;
  return stat(a, &first) == 0 && stat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace vocarn
