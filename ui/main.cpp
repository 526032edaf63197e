// The program entry. The main window comes with its own change; until then the program starts and exits.
int main()
{
    return 0;
}
