/* What the program that loads Ratekit32 gives it and takes from it beyond
   the rating functions: the message boxes it shows for Ratekit32 (Ratekit32
   has no screen of its own) and the tokens that stand for the program's
   objects in the RatingContext's pointer slots (module handles, its
   language tables).

   RatekitHostInterface() returns one table for the process. Until the
   program installs its callbacks, a box is written to standard error and
   answered OK (Yes for a question), and a quit is only recorded. */
#ifndef RATEKIT_HOST_INTERFACE_H
#define RATEKIT_HOST_INTERFACE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The kind of a box: its icon and buttons. */
typedef enum RatekitBoxKind {
  RATEKIT_BOX_ERROR = 1,   /* error icon, OK */
  RATEKIT_BOX_WARNING = 2, /* warning icon, OK */
  RATEKIT_BOX_QUESTION = 3 /* question icon, Yes and No */
} RatekitBoxKind;

/* The answers a box gives (the button that ended it). */
enum { RATEKIT_ANSWER_OK = 1, RATEKIT_ANSWER_CANCEL = 2, RATEKIT_ANSWER_YES = 6, RATEKIT_ANSWER_NO = 7 };

/* Shows a box and returns its answer; owner is the program's window or
   null. */
typedef int (*RatekitShowBox)(void* hostContext, RatekitBoxKind kind, const char* caption, const char* text,
                              void* owner);
/* Asks the program to end its message loop with the code. */
typedef void (*RatekitQuit)(void* hostContext, int code);

/* What a token stands for (the kind arguments below). */
enum {
  RATEKIT_TOKEN_BUFFER = 0,  /* a buffer and its size */
  RATEKIT_TOKEN_STREAM = 1,  /* a buffered file stream */
  RATEKIT_TOKEN_MODULE = 2,  /* a loaded library's handle */
  RATEKIT_TOKEN_POSITION = 3 /* a place inside a buffer of Ratekit32's */
};

typedef struct RatekitHost {
  /* The size of this table, for the program to check. */
  size_t size;
  /* Installs the box and quit callbacks (null: back to standard error). */
  void (*installMessageBoxes)(RatekitShowBox show, RatekitQuit quit, void* hostContext);
  /* Takes back the quit recorded while no callback was installed: 1 and
     the code when there is one, else 0. */
  int (*takeRecordedQuit)(int* code);
  /* A token (never 0) for an object of the program, kept for the
     RatingContext given; 0 when it cannot be made. A position token is
     made from an address inside one of Ratekit32's buffers of that
     context (object, size ignored), such as GetCurrentEfcRec's answer.
     Ratekit32 never frees or closes what the program owns. */
  uint32_t (*makeToken)(void* ratingContext, int kind, void* object, size_t size);
  /* The object a token stands for, or null when the token is 0, retired,
     of another kind (or an unknown kind) or of another RatingContext;
     size (may be null) gets
     the buffer's size, or what is left of it from a position. */
  void* (*resolveToken)(const void* ratingContext, uint32_t token, int kind, size_t* size);
  /* Retires a token the program made. */
  void (*releaseToken)(void* ratingContext, uint32_t token);
} RatekitHost;

const RatekitHost* RatekitHostInterface(void);

#ifdef __cplusplus
}
#endif

#endif
