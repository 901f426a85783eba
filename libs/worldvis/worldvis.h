/* libworldvis.so: registers scenery in a World.vis file, the list of scenery areas that the
 * Flight Simulator 98 installation shows. Four calls make one registration:
 *
 *   if (WORLDVIS01("/path/to/World.vis") > 0) nothing is to be done;
 *   WORLDVIS03("Title", "C:\\FS98\\AREA\\*.BGL");   stage an entry (once per title)
 *   WORLDVIS06();                                   write the staged entries
 *   WORLDVIS07();                                   end the session
 *
 * Strings are zero-terminated 8-bit strings (UTF-8). The World.vis path is a path of the host;
 * the file pattern is stored as given (the simulator reads it in its own Windows view).
 *
 * World.vis is a text file of lines ending in CR LF or LF:
 *
 *   ; a comment (";" or "#" as the first character that is not a blank)
 *   [Scenery]
 *   Title=NORVANE Arizona Scenery
 *   Files=C:\FS98\NORVANE\AZ\*.BGL
 *   Active=TRUE
 *
 * Besides comments, a line is blank, a section header "[Name]" or "Key=Value" inside a section;
 * a UTF-8 byte order mark may open the file. Each [Scenery] section is one registered area; its
 * Title names it. Titles are compared without the blanks around them and without regard to ASCII
 * letter case, and a title is never registered twice. Sections, keys and comments that the library
 * does not know are kept as they stand. New entries are appended with the file's own line ending
 * (CR LF for an empty file). The file is replaced whole or not at all: written beside it, flushed
 * to disk and renamed over it, with its permission bits kept. */
#ifndef QTP_WORLDVIS_H
#define QTP_WORLDVIS_H

#ifdef __cplusplus
extern "C" {
#endif

/* Results of WORLDVIS01: 0 means the file is open for registration; a value above 0 means
 * that nothing is to be done, for the reason given. */
#define WORLDVIS_READY 0
#define WORLDVIS_NO_PATH 1       /* no path given */
#define WORLDVIS_MISSING 2       /* the file does not exist */
#define WORLDVIS_UNREADABLE 3    /* not a regular file, cannot be read, or larger than 16 MiB */
#define WORLDVIS_NOT_WORLD_VIS 4 /* the text is not in the format above */
#define WORLDVIS_READ_ONLY 5     /* the file or its folder cannot be written */
#define WORLDVIS_BUSY 6          /* another session holds the file (its folder) */

/* Opens a session on the World.vis file, ending any session that was open. */
int WORLDVIS01(const char* worldVisPath);

/* Stages an entry for the title and the file pattern unless the file or the session holds the
 * title already. Ignored without an open session, with an empty title or pattern, or when
 * either holds a control character. */
void WORLDVIS03(const char* title, const char* filePattern);

/* Writes the staged entries into the file; nothing happens when nothing is staged. On failure
 * the file stays as it was and the entries stay staged. */
void WORLDVIS06(void);

/* Ends the session; entries still staged are dropped. */
void WORLDVIS07(void);

#ifdef __cplusplus
}
#endif

#endif
