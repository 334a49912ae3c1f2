// The pictures themselves are compiled in by the resource compiler; this file only
// gives the library a translation unit of its own.
