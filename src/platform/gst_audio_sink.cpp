#include "gst_audio_sink.h"

#include <gst/gst.h>

namespace {

// The sound goes both to a sink that takes each buffer when a sound card
// would play it and to the user's pipeline. The first keeps the pace, the
// playing position and the moment a joined medium begins true to what is
// heard; a file sink alone does none of that (an encoder in front of it may
// not even keep the times of a joined medium).
QByteArray PacedBranches() {
  return QByteArray("tee name=velmora_pace velmora_pace. ! queue ! fakesink sync=true name=") + kPacedSinkName +
         " velmora_pace. ! queue ! ";
}

}  // namespace

GstElement* MakeAudioSink(const QByteArray& description, QString* problem) {
  if (description.trimmed().isEmpty()) return nullptr;
  GError* error = nullptr;
  const QByteArray whole = PacedBranches() + description;
  GstElement* bin = gst_parse_bin_from_description(whole.constData(), TRUE, &error);
  if (error != nullptr) {
    *problem = QString::fromUtf8(error->message);
    g_error_free(error);
    if (bin != nullptr) gst_object_unref(bin);
    return nullptr;
  }
  return bin;
}
