// Keeps the support library non-empty while it has no helpers of its own.
namespace zet::test {
int SupportLibraryAnchor() { return 0; }
}  // namespace zet::test
