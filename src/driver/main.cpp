#include "driver/run.h"

int main(int argc, char** argv) {
  return veldarin::runVeldarin(argc, argv);
}
