// The program's own start-up, as the window library runs it, ending at the main window's
// first paint, in an executable of its own: no hand-over from `razzlewick`.
extern "C" int RazzlewickWindowMain(int argc, char** argv);

int main(int argc, char* argv[])
{
    return RazzlewickWindowMain(argc, argv);
}
