/* PvCodec.dll, the sample package's image codec: a real module, so that the setup's check
   for a module that Windows can already load has one to look for. */
__declspec(dllexport) int PvCodecVersion(void) {
    return 0x0614;
}
