// orvantis-cli: ORVANTIS's flights, charts, data and parameter sweeps from a shell.
#include "cli/app.h"
#include "cli/interrupt.h"

int main(int argc, char** argv) {
  orv::cli::InstallInterruptHandler();
  return orv::cli::RunCommandLine(argc, argv);
}
