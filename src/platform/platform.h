// The game's 2D platform layer: display, images and draw state, input devices,
// clock and timers, sound channels and the music stream.
//
// This header names no SDL type. Everything behind it lives in src/platform/
// and is the only code in the game that talks to SDL.
//
// Handles are plain integers; 0 means absent. An absent handle is never an
// error: loads return 0, draws of 0 draw nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// ---------------------------------------------------------------- lifecycle
// Starts SDL's subsystems. With headless = true the dummy video driver is
// used and open_display() renders in software onto an off-screen surface.
// Without headless, a machine where only an off-screen driver answers fails
// (unless SDL_VIDEODRIVER asks for one): init_error() then says why.
bool init(bool headless);
const std::string& init_error();
void shutdown();
bool is_headless();

// ---------------------------------------------------------------- display
// Renderer choice: 0 the platform's default accelerated renderer,
// 1 OpenGL, 2 software. A failed choice falls back to the other accelerated
// one, then to software.
enum Renderer { RendererDefault = 0, RendererOpenGL = 1, RendererSoftware = 2 };

// depth 0 opens a window; depth 32 a desktop-fullscreen, letterboxed display.
// The logical size is always width x height whatever the monitor.
bool open_display(int width, int height, int depth, int hz, int renderer);
void close_display();
bool display_open();
// Whether the monitor offers width x height at depth (hz 0 = any rate).
bool mode_exists(int width, int height, int depth, int hz);
// Which renderer actually opened (Renderer value).
int renderer_in_use();
// What draws the frames, as the debug lines name it: "OpenGL",
// "OpenGL ES 2", "Software", ...; empty with no display open.
std::string renderer_name();
bool toggle_fullscreen();  // Alt+Enter
// Whether Alt+Enter switches between window and full screen (on by
// default). A window that must stay a window (the start-up window) turns it
// off; the press is swallowed either way.
void allow_window_switch(bool allowed);
// Full screen fills the desktop; where no window manager would honour the
// request, a borderless desktop-sized window does it.
bool set_fullscreen(bool on);
bool is_fullscreen();
// How the 1024 x 768 picture is scaled to the window at present: smooth
// (filtered) or sharp (nearest neighbour, by a whole factor where one of 2
// or more fits). May be set before or after the display opens.
enum ScaleQuality { ScaleSmooth = 0, ScaleSharp = 1 };
void set_scale_quality(int quality);
int scale_quality_in_use();

void set_title(const std::string& title);
// The window's icon, given as PNG files of several sizes (square pictures);
// kept for every window opened afterwards and set on the open one. false
// when none of them decodes.
struct IconPng {
  const uint8_t* data;
  size_t size;
};
bool set_window_icon(const std::vector<IconPng>& pngs);
bool close_requested();
bool app_suspended();
// True while the window is minimised (nothing of it can be seen).
bool app_minimised();
// True once after the window system showed the window anew (uncovered,
// resized, switched): a picture held while in the background must be
// presented again.
bool window_exposed();
void show_pointer(bool shown);
void move_pointer(int x, int y);  // logical pixels

// Window placement (used by the small start-up window).
void desktop_size(int& w, int& h);
void window_position(int& x, int& y);
void move_window(int x, int y);
void global_mouse(int& x, int& y);  // pointer in desktop pixels
// The pointer now, relative to the window's drawing area in logical pixels,
// asked of the window system (not the last motion event), and not kept
// within the window. False when it lies outside the window.
bool window_pointer(int& x, int& y);

void cls();
// Presents the back buffer. With pacing the layer sleeps until the next
// tick of its refresh schedule (1/hz s on the millisecond clock).
void flip(bool pacing);
// Presents since start-up, how many were paced and how many of those slept
// (tests of the frame pacing count them instead of timing).
struct PresentCounts {
  long long presents = 0, paced = 0, sleeps = 0;
  // When the last frame was handed to the window system, after its paced
  // wait: milliseconds on a fine clock of no fixed origin.
  double handed_ms = 0;
};
PresentCounts present_counts();
// Writes the current back buffer as an RGB PNG. Returns false on failure.
bool save_screenshot(const std::string& path);
// Reads the back buffer as 0xAARRGGBB pixels (width*height), for tests.
bool read_back_buffer(std::vector<uint32_t>& pixels, int& w, int& h);

// ---------------------------------------------------------------- images
// Flags: 1 masked, 2 filtered, 3 both, -1 default (= 3).
void set_mask_colour(int r, int g, int b);
int load_image(const std::string& name, int flags);
// A strip cut into cells: frame f draws cell first + f.
int load_anim_image(const std::string& name, int cellw, int cellh, int first, int count, int flags);
void free_image(int image);
bool image_exists(int image);
int image_width(int image);   // cell width for strips, 0 when absent
int image_height(int image);  // cell height for strips, 0 when absent
int image_frames(int image);
void set_image_handle(int image, int hx, int hy);
void centre_image_handle(int image);
int image_handle_x(int image);
int image_handle_y(int image);
// Reads one pixel of a frame as 0xAARRGGBB after masking (for tests/tools).
uint32_t image_pixel(int image, int frame, int x, int y);

// Draws frame of image with its handle on (x + origin x, y + origin y);
// scale and rotation apply about the handle. A frame outside the strip
// draws nothing.
void draw_image(int image, float x, float y, int frame);
// Draws the sub-rectangle (rx, ry, rw, rh) of a frame, placed as draw_image.
void draw_image_rect(int image, float x, float y, int rx, int ry, int rw, int rh, int frame);
// Pixel-exact overlap of two drawn frames, each at its position with its
// handle and its own scale (a negative scale mirrors).
bool images_collide(int a, float ax, float ay, int aframe, float asx, float asy,
                    int b, float bx, float by, int bframe, float bsx, float bsy);

// ---------------------------------------------------------------- draw state
enum Blend { BlendMasked = 1, BlendSolid = 2, BlendAlpha = 3, BlendLight = 4, BlendShade = 5 };
void set_colour(int r, int g, int b);
void get_colour(int& r, int& g, int& b);
void set_alpha(float a);
float get_alpha();
void set_blend(int mode);
int get_blend();
void set_scale(float sx, float sy);
void get_scale(float& sx, float& sy);
void set_rotation(float degrees);
float get_rotation();
void set_origin(float x, float y);
void get_origin(float& x, float& y);
void set_viewport(int x, int y, int w, int h);
void get_viewport(int& x, int& y, int& w, int& h);
void set_cls_colour(int r, int g, int b);
// Back to the defaults: white, alpha 1, masked blend, scale 1, rotation 0,
// origin 0, viewport the whole display.
void reset_draw_state();

// The layer's own small text font (start-up error lines only).
void draw_text(const std::string& text, int x, int y);

// ---------------------------------------------------------------- input
// One poll of every device, in logical display pixels. Key codes are the
// game's virtual key codes 1..250 (27 Escape, 65..90 letters, ...).
struct RawInput {
  bool key[251] = {};
  bool mouse[4] = {};  // 1 left, 2 right, 3 middle
  int mousex = 0, mousey = 0;
  // The pointer stayed where it was on the screen: a change of mousex and
  // mousey comes from the picture moving under it (a switch between window
  // and full screen), not from the player.
  bool pointerstill = false;
  int mousez = 0;      // accumulated wheel position (up is positive)
  // Joystick slots 0..joycount-1 (at most rawjoysticks). A device keeps its
  // slot while connected; a slot left by an unplugged one reads as absent.
  static constexpr int rawjoysticks = 21;
  static constexpr int rawjoybuttons = 21;  // buttons read per joystick
  int joycount = 0;
  float joyx[rawjoysticks] = {}, joyy[rawjoysticks] = {};  // the stick (a standard pad's left stick)
  bool joybutton[rawjoysticks][rawjoybuttons] = {};        // a standard pad's in PadButton order
  unsigned char joykind[rawjoysticks] = {};                // JoyKind of each slot
};
enum JoyKind { joykindnone = 0, joykindstick = 1, joykindpad = 2 };
// A standard pad's buttons: the same physical button on every make of pad.
// The triggers count as held past half travel.
enum PadButton {
  padbuttona = 0, padbuttonb, padbuttonx, padbuttony, padback, padguide, padstart,
  padleftstick, padrightstick, padleftshoulder, padrightshoulder,
  paddpadup, paddpaddown, paddpadleft, paddpadright,
  padlefttrigger, padrighttrigger, padbuttoncount
};
// Pumps events and fills the snapshot.
void poll_input(RawInput& in);
// How often the key went down between the last two polls: two quick taps
// inside one frame read as one held key in the snapshot but count 2 here.
int key_presses(int code);
// Joysticks and pads connected now.
int joystick_count();
// Shakes the pad or joystick in slot joystick, where it has motors:
// strength 0..1 for ms milliseconds. Nothing while rumble is not allowed.
void rumble(int joystick, float strength, int ms);
void allow_rumble(bool allowed);

// ---------------------------------------------------------------- time
uint32_t millisecs();
int create_timer(int hz);
// Blocks until the timer's next tick; returns the ticks since the last wait.
int wait_timer(int timer);
void free_timer(int timer);
void delay(int ms);

// ---------------------------------------------------------------- files
// 0 none, 1 file, 2 folder. Disk paths may use '\' as separator.
int file_type(const std::string& path);
long long file_size(const std::string& path);
bool delete_file(const std::string& path);
bool create_dir(const std::string& path);
bool rename_file(const std::string& from, const std::string& to);
// Adds the owner's write permission (never opens a file to everyone).
bool make_owner_writable(const std::string& path);
// '\' -> '/'; a relative path is taken in the files folder (below).
std::string disk_path(const std::string& path);
// The folder that relative disk paths are taken in ("" the current folder):
// where the game keeps api.dat, opt.dat, saves/ and screenshots/.
void set_files_folder(const std::string& folder);
const std::string& files_folder();
// The running program's own file ("" when the system does not say).
std::string executable_path();

// Little-endian streams over a disk file or an "incbin::" archive entry
// (archive entries are read-only). A stream that cannot be opened is null.
class Stream {
 public:
  virtual ~Stream() = default;
  // Reads; each sets the stream's failed flag when it runs out of data.
  int32_t read_int();
  double read_double();
  std::string read_bytes(int32_t count);
  bool read_raw(void* dst, size_t n);
  // Writes; a failed write sets the failed flag.
  void write_int(int32_t v);
  void write_double(double v);
  void write_bytes(const std::string& s);
  void write_raw(const void* src, size_t n);
  bool eof();
  bool failed() const { return failed_; }
  // Flushes written data to the disk; false on any failure so far.
  virtual bool close() = 0;
  virtual long long size() = 0;

 protected:
  virtual size_t raw_read(void* dst, size_t n) = 0;
  virtual size_t raw_write(const void* src, size_t n) = 0;
  virtual bool at_end() = 0;
  bool failed_ = false;
};
// nullptr when the file or entry cannot be opened.
Stream* open_read(const std::string& name);
Stream* open_write(const std::string& path);  // "incbin::" names give nullptr
void close_stream(Stream* s);                  // closes and deletes
// A read-only stream over bytes held in memory (parsers and tests use it).
Stream* open_memory(std::vector<uint8_t> bytes);
// Whole-file helpers (disk or archive). false when it cannot be read, or
// when it is longer than maxbytes (checked before anything is read).
bool read_whole(const std::string& name, std::vector<uint8_t>& out,
                size_t maxbytes = static_cast<size_t>(-1));

// ---------------------------------------------------------------- sound
bool audio_open();  // opens the mixer (44,100 Hz); false leaves the game silent
int load_sound(const std::string& name, int flags);
void free_sound(int sound);
int alloc_channel();                 // a channel that has never played
int play_sound(int sound);           // plays on a new channel, returns it
int play_sound_looping(int sound);   // plays round without a gap until stopped
bool channel_playing(int channel);
void stop_channel(int channel);
// Sound length in milliseconds (0 when absent), for tests and tools.
int sound_length_ms(int sound);
// Frames the mixer has handed to the device so far (44,100 a second), for
// tests and tools that pace play by the sound.
uint64_t audio_frames_mixed();
// The deepest gain the mix limiter has applied so far (1 = never touched).
float audio_deepest_limit();

// ---------------------------------------------------------------- music
// One streamed track at a time (Ogg Vorbis from a disk path).
int music_open(const std::string& path);  // loops the whole file; 0 when absent
void music_play(int stream);
void music_stop(int stream);             // stream 0 is harmless
void music_close(int stream);            // stream 0 is harmless
double music_get_position(int stream);   // seconds
void music_set_position(int stream, double pos);  // takes effect on the next play
bool music_playing();

}  // namespace plat
