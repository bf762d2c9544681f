#pragma once

#include <QByteArray>
#include <QString>

typedef struct _GstElement GstElement;

// The environment variable that replaces the audio output with a pipeline of
// the user's, such as "wavenc ! filesink location=/tmp/out.wav", so that what
// would be heard can be recorded with no sound card.
inline constexpr const char* kAudioSinkVariable = "VELMORA_AUDIO_SINK";

// The sink inside such an output that plays at the pace of a sound card: its
// position is the position heard.
inline constexpr const char* kPacedSinkName = "velmora_heard";

// The audio output a pipeline description makes: a bin whose first element
// takes the sound, played at the pace of a sound card. nullptr for an empty
// description; nullptr and the reason in *problem for one GStreamer cannot
// build.
GstElement* MakeAudioSink(const QByteArray& description, QString* problem);
