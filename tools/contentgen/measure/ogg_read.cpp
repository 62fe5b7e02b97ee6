#include "measure/ogg_read.h"

#include <vorbis/vorbisfile.h>

namespace contentgen::measure {

bool read_ogg(const std::string& path, StereoPcm& out) {
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) return false;
  vorbis_info* vi = ov_info(&vf, -1);
  out.rate = static_cast<int>(vi->rate);
  int channels = vi->channels;
  float** pcm;
  int section;
  long n;
  while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0) {
    for (long i = 0; i < n; ++i) {
      out.left.push_back(pcm[0][i]);
      out.right.push_back(pcm[channels > 1 ? 1 : 0][i]);
    }
  }
  ov_clear(&vf);
  return n == 0;
}

}  // namespace contentgen::measure
