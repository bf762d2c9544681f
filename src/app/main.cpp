#include "jukebox_app.h"

int main(int argc, char** argv) {
  CJukeboxApp app;
  return app.Run(argc, argv);
}
