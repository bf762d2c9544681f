#include "font_warm_up.h"

#ifdef VELMORA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

CFontWarmUp::CFontWarmUp() {
#ifdef VELMORA_HAVE_FONTCONFIG
  // The configuration it loads becomes the one every later caller shares.
  m_thread = std::thread([] { FcInit(); });
#endif
}

void CFontWarmUp::Finish() {
  if (m_thread.joinable()) {
    m_thread.join();
  }
}
