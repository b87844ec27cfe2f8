library Lib;
(* old style *)
// line
uses sysutils, classes;
{$R	A.RES}
(*$R 'A}B.RES'*)
{$R 'IT''S.RES'}
{$RESOURCE *.res}
{$E dll}
begin
end.
