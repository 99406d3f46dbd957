#pragma once

// Qt Multimedia's backend for the lecture video. The FFmpeg backend is chosen
// explicitly: Qt's default on Debian (GStreamer) crashes when its base plugins
// are missing and stalls at random with a video widget under X. Qt reads the
// choice when its media integration is first made, so this must run before
// that: main() calls it before the application object exists, and the media
// device calls it again before its first player (for programs such as the
// tests that start without main()).
namespace MediaBackend {

// Sets QT_MEDIA_BACKEND to "ffmpeg" when Qt's FFmpeg plugin is installed (an
// unknown backend name aborts Qt, so nothing is set without the plugin).
void chooseFfmpeg();

} // namespace MediaBackend
