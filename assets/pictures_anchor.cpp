// The pictures library is only its compiled-in resources; this gives the
// static library an object of its own so every linker accepts it.
namespace tamb {
int picturesLibraryAnchor() { return 0; }
}  // namespace tamb
