#include "shell/start_program.h"

int main(int argc, char** argv) {
  return cadenzo::StartProgram(argc, argv);
}
