/* Plays one animated cursor in gdk-pixbuf the way a GTK program would: the animation's iterator,
 * advanced by each step's own delay. Prints one line:
 *   refuses MESSAGE
 *   steps | ms colours... | ...      (the first STEPS steps, looping as the animation does)
 * The colours are 8 samples across the middle row, "t" where the picture is transparent. */
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <stdio.h>
#include <stdlib.h>

static void PrintPicture(GdkPixbuf* picture) {
    const int width = gdk_pixbuf_get_width(picture), height = gdk_pixbuf_get_height(picture);
    const int channels = gdk_pixbuf_get_n_channels(picture), stride = gdk_pixbuf_get_rowstride(picture);
    const guchar* pixels = gdk_pixbuf_read_pixels(picture);
    for (int band = 0; band < 8; ++band) {
        const guchar* p = pixels + (height / 2) * stride + ((2 * band + 1) * width / 16) * channels;
        if (channels == 4 && p[3] == 0) printf(" t");
        else printf(" %02x%02x%02x", p[0], p[1], p[2]);
    }
}

int main(int argc, char** argv) {
    if (argc != 3) return 64;
    const int wanted = atoi(argv[2]);
    GError* error = NULL;
    GdkPixbufAnimation* animation = gdk_pixbuf_animation_new_from_file(argv[1], &error);
    if (!animation) {
        printf("refuses %s\n", error ? error->message : "");
        return 0;
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GTimeVal now = {0, 0};
    GdkPixbufAnimationIter* iter = gdk_pixbuf_animation_get_iter(animation, &now);
    printf("steps");
    for (int step = 0; step < wanted; ++step) {
        const int delay = gdk_pixbuf_animation_iter_get_delay_time(iter);
        printf(" | %d", delay);
        GdkPixbuf* picture = gdk_pixbuf_animation_iter_get_pixbuf(iter);
        if (picture) PrintPicture(picture);
        else printf(" none");
        if (delay < 0) break;
        g_time_val_add(&now, (glong)delay * 1000);
        gdk_pixbuf_animation_iter_advance(iter, &now);
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    printf("\n");
    return 0;
}
