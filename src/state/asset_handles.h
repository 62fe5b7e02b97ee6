// Handle operations guarded against an absent image: instead of acting they
// raise the missing-graphic warning.
#pragma once

void asset_set_handle(int image, int hx, int hy);
void asset_centre_handle(int image);
