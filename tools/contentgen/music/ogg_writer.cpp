#include "music/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>

namespace contentgen::music {

namespace {

constexpr int kSerial = 0x52583930;  // fixed: identical input gives identical files
constexpr long kBlock = 4096;
constexpr size_t kLeadOut = 8192;  // a few long blocks past the end of a loop

void append_page(Bytes& out, const ogg_page& og) {
  out.insert(out.end(), og.header, og.header + og.header_len);
  out.insert(out.end(), og.body, og.body + og.body_len);
}

}  // namespace

Bytes encode_ogg(const dsp::Buf& left, const dsp::Buf& right, int rate, float quality, bool loop,
                 size_t lead_out_fade) {
  if (left.size() != right.size() || left.empty()) return {};
  vorbis_info vi;
  vorbis_info_init(&vi);
  // At the quality the tracks use, the coder would cut everything above
  // about 17 kHz; the cymbals' and bows' air reaches higher, so the cut is
  // moved to just under 20 kHz.
  double lowpass_khz = 19.5;
  if (vorbis_encode_setup_vbr(&vi, 2, rate, quality) != 0 ||
      vorbis_encode_ctl(&vi, OV_ECTL_LOWPASS_SET, &lowpass_khz) != 0 || vorbis_encode_setup_init(&vi) != 0) {
    vorbis_info_clear(&vi);
    return {};
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", "RX-907");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, kSerial);

  Bytes out;
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  ogg_page og;
  // The headers sit on pages of their own so the audio starts on a fresh page.
  while (ogg_stream_flush(&os, &og) != 0) append_page(out, og);

  const auto total = static_cast<ogg_int64_t>(left.size());
  bool ended = false;
  auto drain = [&] {
    ogg_packet op;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        if (ended) continue;
        if (loop && op.granulepos >= total) {
          // This packet completes the piece: end the stream on it and let
          // the decoder drop whatever it holds past the last sample.
          op.granulepos = total;
          op.e_o_s = 1;
          ended = true;
        }
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og) != 0) append_page(out, og);
      }
    }
  };

  size_t len = left.size(), n = loop ? len + kLeadOut : len;
  if (loop) {
    // The analysis buffer starts with half a long block of look-behind
    // before sample 0; it is not part of the decoded stream.
    size_t behind = static_cast<size_t>(std::max(0, vd.pcm_current));
    for (size_t i = 0; i < behind && i < static_cast<size_t>(vd.pcm_storage); ++i) {
      size_t src = (len - behind % len + i) % len;
      vd.pcm[0][i] = std::clamp(left[src], -1.0f, 1.0f);
      vd.pcm[1][i] = std::clamp(right[src], -1.0f, 1.0f);
    }
  }
  for (size_t pos = 0; pos < n; pos += kBlock) {
    long count = static_cast<long>(std::min<size_t>(kBlock, n - pos));
    float** buf = vorbis_analysis_buffer(&vd, count);
    for (long i = 0; i < count; ++i) {
      size_t at = pos + static_cast<size_t>(i), src = at % len;
      float g = 1.0f;
      if (at >= len && lead_out_fade > 0) {
        // Raised-cosine fade from full level at the wrap to silence.
        size_t into = at - len;
        g = into >= lead_out_fade ? 0.0f
                                  : 0.5f + 0.5f * std::cos(3.14159265f * static_cast<float>(into) /
                                                           static_cast<float>(lead_out_fade));
      }
      buf[0][i] = g * std::clamp(left[src], -1.0f, 1.0f);
      buf[1][i] = g * std::clamp(right[src], -1.0f, 1.0f);
    }
    vorbis_analysis_wrote(&vd, count);
    drain();
  }
  vorbis_analysis_wrote(&vd, 0);  // end of stream: the last page carries the exact length
  drain();
  while (ogg_stream_flush(&os, &og) != 0) append_page(out, og);

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace contentgen::music
